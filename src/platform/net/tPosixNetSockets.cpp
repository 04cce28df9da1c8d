#include "platform/net/tPosixNetSockets.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "processes/tWindowThread.h"

namespace {

constexpr size_t kReadChunk = 64 * 1024;

// Exactly four dot-separated decimal numbers, each 0..255.
bool isDottedAddress(const std::string& host)
{
    int parts = 0;
    size_t at = 0;
    while (at <= host.size()) {
        const size_t dot = std::min(host.find('.', at), host.size());
        const std::string part = host.substr(at, dot - at);
        if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(part) > 255)
            return false;
        ++parts;
        at = dot + 1;
    }
    return parts == 4;
}

bool resolve(const std::string& host, in_addr& address)
{
    if (isDottedAddress(host)) return inet_pton(AF_INET, host.c_str(), &address) == 1;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return false;
    address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return true;
}

std::string addressText(const in_addr& address)
{
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address, text, sizeof text);
    return text;
}

int streamSocket() { return socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0); }

}  // namespace

tPosixNetSockets::tPosixNetSockets()
{
    int ends[2];
    if (pipe2(ends, O_NONBLOCK | O_CLOEXEC) == 0) {
        wakeRead = ends[0];
        wakeWrite = ends[1];
    }
    io = std::thread([this] { Loop(); });
}

tPosixNetSockets::~tPosixNetSockets()
{
    {
        std::lock_guard<std::mutex> hold(guard);
        stopping = true;
    }
    Wake();
    io.join();
    for (auto& [id, socket] : sockets) ::close(socket.fd);
    ::close(wakeRead);
    ::close(wakeWrite);
}

tSocketId tPosixNetSockets::Add(int fd, tState state, std::weak_ptr<tSocketSink> sink)
{
    tSocketId id = ++lastId;
    tSocket& socket = sockets[id];
    socket.fd = fd;
    socket.state = state;
    socket.sink = std::move(sink);
    return id;
}

tSocketId tPosixNetSockets::Listen(int port, int& boundPort, std::weak_ptr<tSocketSink> sink)
{
    boundPort = 0;
    const int fd = streamSocket();
    if (fd < 0) return 0;
    const int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(static_cast<uint16_t>(port));
    socklen_t length = sizeof address;
    if (port < 0 || port > 65535 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, SOMAXCONN) != 0 || getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        return 0;
    }
    boundPort = ntohs(address.sin_port);
    tSocketId id;
    {
        std::lock_guard<std::mutex> hold(guard);
        id = Add(fd, tState::kListening, std::move(sink));
    }
    Wake();
    return id;
}

std::string tPosixNetSockets::Resolve(const std::string& host)
{
    in_addr address{};
    return resolve(host, address) ? addressText(address) : std::string();
}

tSocketId tPosixNetSockets::Connect(const std::string& host, int port, std::weak_ptr<tSocketSink> sink)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (port < 0 || port > 65535 || !resolve(host, address.sin_addr)) return 0;
    const int fd = streamSocket();
    if (fd < 0) return 0;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 && errno != EINPROGRESS) {
        ::close(fd);
        return 0;
    }
    tSocketId id;
    {
        std::lock_guard<std::mutex> hold(guard);
        id = Add(fd, tState::kConnecting, std::move(sink));
    }
    Wake();
    return id;
}

void tPosixNetSockets::Send(tSocketId connection, std::string bytes)
{
    {
        std::lock_guard<std::mutex> hold(guard);
        auto found = sockets.find(connection);
        if (found == sockets.end() || found->second.closing || found->second.state == tState::kListening) return;
        found->second.pending += bytes;
    }
    Wake();
}

void tPosixNetSockets::Close(tSocketId socket)
{
    {
        std::lock_guard<std::mutex> hold(guard);
        auto found = sockets.find(socket);
        if (found == sockets.end()) return;
        tSocket& closing = found->second;
        closing.sink.reset();
        if (closing.state == tState::kConnected && !closing.pending.empty()) {
            closing.closing = true;
        } else {
            ::close(closing.fd);
            sockets.erase(found);
        }
    }
    Wake();
}

std::string tPosixNetSockets::LocalHostName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return "localhost";
    return name;
}

std::string tPosixNetSockets::LocalAddress()
{
    in_addr address{};
    if (!resolve(LocalHostName(), address)) return "127.0.0.1";
    return addressText(address);
}

void tPosixNetSockets::Wake()
{
    const char byte = 1;
    // A full pipe already holds a wake-up.
    [[maybe_unused]] ssize_t written = ::write(wakeWrite, &byte, 1);
}

void tPosixNetSockets::Loop()
{
    for (;;) {
        std::vector<pollfd> polled{{wakeRead, POLLIN, 0}};
        std::vector<tSocketId> ids{0};
        {
            std::lock_guard<std::mutex> hold(guard);
            if (stopping) return;
            for (auto& [id, socket] : sockets) {
                short events = POLLIN;
                if (socket.state == tState::kConnecting) events = POLLOUT;
                else if (socket.state == tState::kConnected && !socket.pending.empty()) events |= POLLOUT;
                polled.push_back({socket.fd, events, 0});
                ids.push_back(id);
            }
        }
        if (poll(polled.data(), polled.size(), -1) < 0) continue;
        if (polled[0].revents) {
            char drained[256];
            while (::read(wakeRead, drained, sizeof drained) > 0) {}
        }
        std::vector<tReport> reports;
        std::vector<tSocketId> finished;
        {
            std::lock_guard<std::mutex> hold(guard);
            for (size_t i = 1; i < polled.size(); ++i) {
                auto found = sockets.find(ids[i]);
                // Closed meanwhile.
                if (found == sockets.end() || found->second.fd != polled[i].fd || !polled[i].revents) continue;
                Serve(ids[i], found->second, polled[i].revents, reports, finished);
            }
            for (tSocketId id : finished) {
                auto found = sockets.find(id);
                if (found == sockets.end()) continue;
                ::close(found->second.fd);
                sockets.erase(found);
            }
        }
        Hand(reports);
    }
}

void tPosixNetSockets::Serve(tSocketId id, tSocket& socket, short events, std::vector<tReport>& reports,
                             std::vector<tSocketId>& finished)
{
    const std::weak_ptr<tSocketSink> sink = socket.sink;
    switch (socket.state) {
    case tState::kListening:
        Accept(id, socket, reports);
        return;
    case tState::kConnecting: {
        int error = 0;
        socklen_t length = sizeof error;
        getsockopt(socket.fd, SOL_SOCKET, SO_ERROR, &error, &length);
        if (error != 0) {
            reports.push_back({sink, [id](tSocketSink& s) { s.Failed(id, tSocketFailure::kConnect); }});
            reports.push_back({sink, [id](tSocketSink& s) { s.Closed(id); }});
            finished.push_back(id);
            return;
        }
        socket.state = tState::kConnected;
        reports.push_back({sink, [id](tSocketSink& s) { s.Connected(id); }});
        Flush(id, socket, reports, finished);
        return;
    }
    case tState::kConnected:
        break;
    }
    if (events & POLLOUT) Flush(id, socket, reports, finished);
    if (!(events & (POLLIN | POLLHUP | POLLERR))) return;
    std::string received;
    bool ended = false;
    for (;;) {
        char chunk[kReadChunk];
        const ssize_t n = ::recv(socket.fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            received.append(chunk, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) reports.push_back({sink, [id](tSocketSink& s) { s.Failed(id, tSocketFailure::kReceive); }});
        ended = true;
        break;
    }
    if (!received.empty() && !socket.closing)
        reports.push_back({sink, [id, bytes = std::move(received)](tSocketSink& s) { s.Received(id, bytes); }});
    if (ended) {
        if (!socket.closing) reports.push_back({sink, [id](tSocketSink& s) { s.Closed(id); }});
        finished.push_back(id);
    }
}

void tPosixNetSockets::Accept(tSocketId listener, tSocket& socket, std::vector<tReport>& reports)
{
    const std::weak_ptr<tSocketSink> sink = socket.sink;
    for (;;) {
        sockaddr_in peer{};
        socklen_t length = sizeof peer;
        const int fd = accept4(socket.fd, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                reports.push_back({sink, [listener](tSocketSink& s) { s.Failed(listener, tSocketFailure::kAccept); }});
            return;
        }
        char host[NI_MAXHOST] = {};
        if (getnameinfo(reinterpret_cast<sockaddr*>(&peer), length, host, sizeof host, nullptr, 0, 0) != 0)
            std::strcpy(host, "?");
        const tSocketId id = Add(fd, tState::kConnected, sink);
        reports.push_back({sink, [listener, id, name = std::string(host), address = addressText(peer.sin_addr)](
                                     tSocketSink& s) { s.Accepted(listener, id, name, address); }});
    }
}

void tPosixNetSockets::Flush(tSocketId id, tSocket& socket, std::vector<tReport>& reports,
                             std::vector<tSocketId>& finished)
{
    while (!socket.pending.empty()) {
        const ssize_t n = ::send(socket.fd, socket.pending.data(), socket.pending.size(), MSG_NOSIGNAL);
        if (n > 0) {
            socket.pending.erase(0, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        if (n < 0 && errno == EINTR) continue;
        if (!socket.closing) {
            const std::weak_ptr<tSocketSink> sink = socket.sink;
            reports.push_back({sink, [id](tSocketSink& s) { s.Failed(id, tSocketFailure::kSend); }});
            reports.push_back({sink, [id](tSocketSink& s) { s.Closed(id); }});
        }
        finished.push_back(id);
        return;
    }
    if (socket.closing) finished.push_back(id);
}

void tPosixNetSockets::Hand(std::vector<tReport>& reports)
{
    for (tReport& report : reports) {
        auto deliver = [sink = std::move(report.first), routine = std::move(report.second)] {
            if (std::shared_ptr<tSocketSink> alive = sink.lock()) routine(*alive);
        };
        if (tWindowThread* window = windowThread())
            window->Post(std::move(deliver));
        else
            deliver();
    }
}
