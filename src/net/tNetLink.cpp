#include "net/tNetLink.h"

#include <algorithm>
#include <cctype>

#include "language/Language.h"
#include "net/netNicknames.h"

namespace {

// At most one net object of the program serves at a time.
std::mutex serverClaimGuard;
const tNetLink* serverClaim = nullptr;

bool claimServer(const tNetLink* link)
{
    std::lock_guard<std::mutex> hold(serverClaimGuard);
    if (serverClaim && serverClaim != link) return false;
    serverClaim = link;
    return true;
}

void releaseServer(const tNetLink* link)
{
    std::lock_guard<std::mutex> hold(serverClaimGuard);
    if (serverClaim == link) serverClaim = nullptr;
}

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

const char* failureKey(tSocketFailure failure)
{
    switch (failure) {
    case tSocketFailure::kSend: return "errorconnectingeesend";
    case tSocketFailure::kReceive: return "errorconnectingeereceive";
    case tSocketFailure::kConnect: return "errorconnectingeeconnect";
    case tSocketFailure::kDisconnect: return "errorconnectingeedisconnect";
    case tSocketFailure::kAccept: return "errorconnectingeeaccept";
    case tSocketFailure::kGeneral: break;
    }
    return "errorconnectingeegeneral";
}

}  // namespace

tNetLink::tNetLink(tWake wake) : wake(std::move(wake)) {}

tNetLink::~tNetLink()
{
    std::lock_guard<std::mutex> hold(guard);
    CloseLocked();
}

tNetLink::tStart tNetLink::Connect()
{
    // A client's host name is looked up first, without the link's lock, which its arrivals
    // need on the window thread: a slow name server must not hold them up.
    std::string name;
    {
        std::lock_guard<std::mutex> hold(guard);
        if (mode == tNetMode::kClient) name = host;
    }
    std::string address;
    if (tNetSockets* sockets = netSockets(); sockets && !name.empty()) address = sockets->Resolve(name);
    std::lock_guard<std::mutex> hold(guard);
    return ConnectLocked(address);
}

tNetLink::tStart tNetLink::ConnectLocked(const std::string& address)
{
    tNetSockets* sockets = netSockets();
    if (mode == tNetMode::kNone) return tStart::kStarted;
    if (!sockets) return tStart::kNoSockets;
    CloseLocked();
    if (mode == tNetMode::kClient) {
        if (host.empty()) return tStart::kNoHost;
        if (address.empty()) return tStart::kCannotConnect;
        server = sockets->Connect(address, port, weak_from_this());
        if (!server) return tStart::kCannotConnect;
        nickname.clear();
        return tStart::kStarted;
    }
    if (!claimServer(this)) return tStart::kServerTaken;
    int bound = 0;
    listener = sockets->Listen(port, bound, weak_from_this());
    if (!listener) {
        releaseServer(this);
        return tStart::kCannotListen;
    }
    // Port 0 asks for any free port; the one taken is what clients need to know.
    port = bound;
    nickname = requestedNickname.empty() ? primaryWord("param", "server") : requestedNickname;
    return tStart::kStarted;
}

void tNetLink::Disconnect()
{
    std::lock_guard<std::mutex> hold(guard);
    CloseLocked();
}

void tNetLink::CloseLocked()
{
    tNetSockets* sockets = netSockets();
    if (sockets) {
        if (server) sockets->Close(server);
        if (listener) sockets->Close(listener);
        for (const auto& [id, client] : clients) sockets->Close(id);
    }
    server = 0;
    serverOpen = false;
    serverReader.Clear();
    listener = 0;
    clients.clear();
    nickname.clear();
    releaseServer(this);
}

bool tNetLink::Connected()
{
    std::lock_guard<std::mutex> hold(guard);
    return ConnectedLocked();
}

bool tNetLink::ConnectedLocked() const
{
    if (mode == tNetMode::kServer) return listener != 0;
    if (mode == tNetMode::kClient) return serverOpen && !nickname.empty();
    return false;
}

bool tNetLink::LinkOpen()
{
    std::lock_guard<std::mutex> hold(guard);
    return mode == tNetMode::kClient && serverOpen;
}

bool tNetLink::Send(char kind, const std::vector<std::string>& recipients, const std::string& body)
{
    tAfter after;
    {
        std::lock_guard<std::mutex> hold(guard);
        if (!ConnectedLocked()) return false;
        tNetMessage message{kind, {nickname}, body};
        message.parameters.insert(message.parameters.end(), recipients.begin(), recipients.end());
        if (mode == tNetMode::kClient) {
            message.kind = upper(kind);
            WriteLocked(server, message);
        } else {
            message.kind = lower(kind);
            RouteLocked(std::move(message), after);
        }
    }
    Finish(after);
    return true;
}

tNetMode tNetLink::Mode()
{
    std::lock_guard<std::mutex> hold(guard);
    return mode;
}

void tNetLink::SetMode(tNetMode newMode)
{
    std::lock_guard<std::mutex> hold(guard);
    if (newMode == mode) return;
    CloseLocked();
    mode = newMode;
}

int tNetLink::Port()
{
    std::lock_guard<std::mutex> hold(guard);
    return port;
}

tNetLink::tStart tNetLink::SetPort(int newPort)
{
    {
        std::lock_guard<std::mutex> hold(guard);
        if (newPort == port) return tStart::kStarted;
        const bool active = listener != 0 || server != 0;
        port = newPort;
        if (!active) return tStart::kStarted;
    }
    return Connect();
}

std::string tNetLink::Host()
{
    std::lock_guard<std::mutex> hold(guard);
    return host;
}

void tNetLink::SetHost(const std::string& newHost)
{
    std::lock_guard<std::mutex> hold(guard);
    host = newHost;
}

bool tNetLink::RunEnabled()
{
    std::lock_guard<std::mutex> hold(guard);
    return runEnabled;
}

void tNetLink::SetRunEnabled(bool enabled)
{
    std::lock_guard<std::mutex> hold(guard);
    runEnabled = enabled;
}

std::string tNetLink::ModeWordLocked() const
{
    switch (mode) {
    case tNetMode::kClient: return primaryWord("param", "client");
    case tNetMode::kServer: return primaryWord("param", "server");
    case tNetMode::kNone: break;
    }
    return primaryWord("param", "no");
}

std::string tNetLink::OwnNicknameLocked() const
{
    if (!nickname.empty()) return nickname;
    if (!requestedNickname.empty()) return requestedNickname;
    return ModeWordLocked();
}

std::string tNetLink::Nickname()
{
    std::lock_guard<std::mutex> hold(guard);
    return OwnNicknameLocked();
}

void tNetLink::SetNickname(const std::string& wanted)
{
    std::lock_guard<std::mutex> hold(guard);
    requestedNickname = wanted;
    if (!ConnectedLocked() || sameNickname(wanted, nickname)) return;
    if (mode == tNetMode::kServer)
        nickname = uniqueNickname(wanted, [&](std::string_view name) { return NicknameTakenLocked(name, listener); });
    else
        WriteLocked(server, {'X', {}, wanted});
}

bool tNetLink::NicknameTakenLocked(std::string_view name, tSocketId except) const
{
    // `except` is the participant asking: its own present name does not stand in its way.
    if (except != listener && listener && sameNickname(name, nickname)) return true;
    return std::any_of(clients.begin(), clients.end(), [&](const auto& entry) {
        return entry.first != except && entry.second.greeted && sameNickname(name, entry.second.nickname);
    });
}

std::vector<std::string> tNetLink::Users()
{
    std::lock_guard<std::mutex> hold(guard);
    return UsersLocked();
}

std::vector<std::string> tNetLink::UsersLocked() const
{
    std::vector<std::string> users{nickname};
    for (const auto& [id, client] : clients)
        if (client.greeted) users.push_back(client.nickname);
    return users;
}

std::vector<std::string> tNetLink::Info(const std::string& name)
{
    std::lock_guard<std::mutex> hold(guard);
    return InfoLocked(name);
}

std::vector<std::string> tNetLink::InfoLocked(const std::string& name)
{
    const std::string asked = name.empty() ? nickname : name;
    if (sameNickname(asked, nickname)) {
        tNetSockets* sockets = netSockets();
        if (sockets) return {nickname, sockets->LocalHostName(), sockets->LocalAddress()};
        return {nickname};
    }
    for (const auto& [id, client] : clients)
        if (client.greeted && sameNickname(asked, client.nickname)) return {client.nickname, client.host, client.address};
    return {};
}

void tNetLink::Ask(char kind, const std::string& body)
{
    std::lock_guard<std::mutex> hold(guard);
    (kind == 'U' ? usersReply : infoReply).reset();
    if (serverOpen) WriteLocked(server, {kind, {}, body});
}

std::optional<std::vector<std::string>> tNetLink::Reply(char kind)
{
    std::lock_guard<std::mutex> hold(guard);
    return kind == 'U' ? usersReply : infoReply;
}

std::string tNetLink::Status()
{
    std::lock_guard<std::mutex> hold(guard);
    return status;
}

std::optional<tNetMessage> tNetLink::TakeMessage()
{
    std::lock_guard<std::mutex> hold(guard);
    if (messageQueue.empty()) return std::nullopt;
    tNetMessage head = std::move(messageQueue.front());
    messageQueue.pop_front();
    return head;
}

std::optional<std::string> tNetLink::TakeStatus()
{
    std::lock_guard<std::mutex> hold(guard);
    if (statusQueue.empty()) return std::nullopt;
    status = std::move(statusQueue.front());
    statusQueue.pop_front();
    return status;
}

void tNetLink::Handled(tNetQueue queue)
{
    tAfter after;
    {
        std::lock_guard<std::mutex> hold(guard);
        if (queue == tNetQueue::kStatus) {
            statusBusy = !statusQueue.empty();
            after.wakeStatus = statusBusy;
        } else {
            messagesBusy = !messageQueue.empty();
            after.wakeMessages = messagesBusy;
        }
    }
    Finish(after);
}

void tNetLink::Report(const std::string& key, const std::vector<std::string>& arguments)
{
    tAfter after;
    {
        std::lock_guard<std::mutex> hold(guard);
        QueueStatusLocked(key, arguments, after);
    }
    Finish(after);
}

void tNetLink::Accepted(tSocketId from, tSocketId connection, const std::string& remoteHost,
                        const std::string& remoteAddress)
{
    tAfter after;
    {
        std::lock_guard<std::mutex> hold(guard);
        if (from != listener) return;
        tClient& client = clients[connection];
        client.host = remoteHost;
        client.address = remoteAddress;
        QueueStatusLocked("trialconnection", {remoteHost, remoteAddress}, after);
    }
    Finish(after);
}

void tNetLink::Connected(tSocketId connection)
{
    std::lock_guard<std::mutex> hold(guard);
    if (connection != server) return;
    serverOpen = true;
    WriteLocked(server, {'a', {}, OwnNicknameLocked()});
}

void tNetLink::Received(tSocketId connection, const std::string& bytes)
{
    tAfter after;
    {
        std::lock_guard<std::mutex> hold(guard);
        tFrameReader* reader = nullptr;
        if (connection == server) {
            reader = &serverReader;
        } else if (auto found = clients.find(connection); found != clients.end()) {
            reader = &found->second.reader;
        }
        if (!reader) return;
        reader->Append(bytes);
        // Serving a message may close this very connection (and free its reader).
        while (connection == server || clients.count(connection)) {
            std::optional<tNetMessage> message = reader->Next();
            if (!message) break;
            ServeLocked(connection, std::move(*message), after);
        }
    }
    Finish(after);
}

void tNetLink::Closed(tSocketId connection)
{
    tAfter after;
    {
        std::lock_guard<std::mutex> hold(guard);
        if (connection == server) {
            // A connection that never opened has had its failure reported already.
            if (serverOpen) QueueStatusLocked("clientdisconnected", {}, after);
            server = 0;
            serverOpen = false;
            serverReader.Clear();
            nickname.clear();
        } else if (auto found = clients.find(connection); found != clients.end()) {
            QueueStatusLocked("disconnected", {found->second.host, found->second.address}, after);
            clients.erase(found);
        }
    }
    Finish(after);
}

void tNetLink::Failed(tSocketId, tSocketFailure failure)
{
    tAfter after;
    {
        std::lock_guard<std::mutex> hold(guard);
        QueueStatusLocked(failureKey(failure), {}, after);
    }
    Finish(after);
}

void tNetLink::WriteLocked(tSocketId connection, const tNetMessage& message)
{
    if (tNetSockets* sockets = netSockets(); sockets && connection) sockets->Send(connection, frameMessage(message));
}

void tNetLink::ServeLocked(tSocketId from, tNetMessage message, tAfter& after)
{
    if (from == server)
        ServeAsClientLocked(std::move(message), after);
    else if (mode == tNetMode::kServer)
        ServeAsServerLocked(from, std::move(message), after);
}

void tNetLink::ServeAsServerLocked(tSocketId from, tNetMessage message, tAfter& after)
{
    tClient& client = clients.at(from);
    switch (message.kind) {
    case 'F':
        WriteLocked(from, {'g', InfoLocked(message.body), message.body});
        return;
    case 'U':
        WriteLocked(from, {'v', UsersLocked(), {}});
        return;
    case 'X':
    case 'a': {
        client.nickname = uniqueNickname(message.body, [&](std::string_view name) { return NicknameTakenLocked(name, from); });
        const bool hello = message.kind == 'a';
        client.greeted = true;
        WriteLocked(from, {hello ? 'b' : 'y', {}, client.nickname});
        if (hello) QueueStatusLocked("clientconnected2", {client.host, client.address}, after);
        return;
    }
    default:
        break;
    }
    // Only clients that said who they are take part, and a client speaks in upper case; the
    // server's own lower-case kinds mean nothing here.
    if (!client.greeted || isLower(message.kind)) return;
    if (isUpper(message.kind)) {
        // The sender is who the connection says it is, whatever the message claims.
        if (message.parameters.empty()) message.parameters.push_back(client.nickname);
        else message.parameters[0] = client.nickname;
        message.kind = lower(message.kind);
        RouteLocked(std::move(message), after);
        return;
    }
    QueueMessageLocked(std::move(message), after);
}

void tNetLink::ServeAsClientLocked(tNetMessage message, tAfter& after)
{
    switch (message.kind) {
    case 'b':
        QueueStatusLocked("clientconnected", {}, after);
        nickname = message.body;
        return;
    case 'y':
        nickname = message.body;
        return;
    case 'g':
        infoReply = std::move(message.parameters);
        return;
    case 'v':
        usersReply = std::move(message.parameters);
        return;
    default:
        break;
    }
    if (isUpper(message.kind)) return;
    QueueMessageLocked(std::move(message), after);
}

void tNetLink::RouteLocked(tNetMessage message, tAfter& after)
{
    const std::string sender = message.parameters.empty() ? std::string() : message.parameters.front();
    std::vector<std::string> recipients;
    if (message.parameters.size() > 1) recipients.assign(message.parameters.begin() + 1, message.parameters.end());
    message.parameters = {sender};
    auto addressed = [&](const std::string& name) {
        if (recipients.empty()) return !sameNickname(name, sender);
        return std::any_of(recipients.begin(), recipients.end(),
                           [&](const std::string& recipient) { return sameNickname(recipient, name); });
    };
    for (const auto& [id, client] : clients)
        if (client.greeted && addressed(client.nickname)) WriteLocked(id, message);
    if (addressed(nickname)) QueueMessageLocked(std::move(message), after);
}

void tNetLink::QueueMessageLocked(tNetMessage message, tAfter& after)
{
    messageQueue.push_back(std::move(message));
    if (!messagesBusy) messagesBusy = after.wakeMessages = true;
}

void tNetLink::QueueStatusLocked(const std::string& key, const std::vector<std::string>& arguments, tAfter& after)
{
    std::string text = textMessage(key, arguments);
    if (!statusBusy) {
        status = text;
        statusBusy = after.wakeStatus = true;
    }
    statusQueue.push_back(std::move(text));
}

void tNetLink::Finish(const tAfter& after)
{
    if (!wake) return;
    if (after.wakeStatus) wake(*this, tNetQueue::kStatus);
    if (after.wakeMessages) wake(*this, tNetQueue::kMessages);
}
