#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "net/netProtocol.h"
#include "net/tNetSockets.h"

enum class tNetMode : uint8_t { kNone = 0, kClient = 1, kServer = 2 };

// Arrivals wait in two queues, one for status reports and one for messages to the program;
// each hands over one item at a time, the next only once the program has handled the one
// before (its handler has ended).
enum class tNetQueue : uint8_t { kStatus, kMessages };

// The network side of one net object, free of Logo values: its mode and settings, its
// sockets with their receive buffers, the server's connection records, routing, and the
// queues of what arrives for the program. Socket reports come on the window thread, the
// program's calls from its processes; one lock guards all of it, and nothing blocks under it
// (sockets only queue their work).
class tNetLink : public tSocketSink, public std::enable_shared_from_this<tNetLink> {
public:
    // Called, outside the lock, whenever a queue has an item for the program and nothing of
    // that queue is being handled; the callee takes the item and calls Handled when done.
    using tWake = std::function<void(tNetLink& link, tNetQueue queue)>;
    explicit tNetLink(tWake wake);
    ~tNetLink() override;

    enum class tStart { kStarted, kNoHost, kCannotConnect, kServerTaken, kCannotListen, kNoSockets };
    // Client mode: connects to host and port (a host name is looked up first, which may take
    // the name server's time); server mode: listens on the port. Mode none does nothing.
    tStart Connect();
    // Closes every socket of this object and gives up the server role.
    void Disconnect();
    // Server: listening; client: connected and given a nickname by the server.
    bool Connected();
    // Client: the connection to the server is open (its nickname may not have come yet).
    bool LinkOpen();

    // A data message (kind in either case) from this participant: false when not connected.
    bool Send(char kind, const std::vector<std::string>& recipients, const std::string& body);

    tNetMode Mode();
    // A new mode disconnects first; the same mode changes nothing.
    void SetMode(tNetMode mode);
    int Port();
    // A different port while active listens or connects again on it.
    tStart SetPort(int port);
    std::string Host();
    void SetHost(const std::string& host);
    bool RunEnabled();
    void SetRunEnabled(bool enabled);
    // The nickname in force, else the requested one, else the word of the mode.
    std::string Nickname();
    // Stores the requested nickname; while connected, a server takes a unique form of it at
    // once and a client asks the server for it.
    void SetNickname(const std::string& nickname);

    // Server: its own nickname, then every client that has said hello.
    std::vector<std::string> Users();
    // Server: [nickname, host name, address] of the participant (own nickname for an empty
    // name); empty for a nickname no participant has.
    std::vector<std::string> Info(const std::string& nickname);
    // Client: asks the server; the answer comes as a reply (kind 'U' users, 'F' information).
    void Ask(char kind, const std::string& body);
    // The reply once it has come; none before.
    std::optional<std::vector<std::string>> Reply(char kind);

    std::string Status();
    // The next item of the queue that `wake` announced (for kStatus it becomes the status at
    // once); none when the queue is empty.
    std::optional<tNetMessage> TakeMessage();
    std::optional<std::string> TakeStatus();
    // The program has handled the item it took: the next one may come.
    void Handled(tNetQueue queue);
    // A status report from the program's side (the key of a [text] entry and its arguments).
    void Report(const std::string& key, const std::vector<std::string>& arguments = {});

    // tSocketSink, on the window thread.
    void Accepted(tSocketId listener, tSocketId connection, const std::string& remoteHost,
                  const std::string& remoteAddress) override;
    void Connected(tSocketId connection) override;
    void Received(tSocketId connection, const std::string& bytes) override;
    void Closed(tSocketId connection) override;
    void Failed(tSocketId socket, tSocketFailure failure) override;

private:
    struct tClient {
        std::string nickname;
        std::string host;
        std::string address;
        bool greeted = false;  // said hello ("a")
        tFrameReader reader;
    };
    // What is to be done once the lock is given up.
    struct tAfter {
        bool wakeStatus = false;
        bool wakeMessages = false;
    };

    tStart ConnectLocked(const std::string& address);
    void CloseLocked();
    bool ConnectedLocked() const;
    std::string ModeWordLocked() const;
    std::string OwnNicknameLocked() const;
    bool NicknameTakenLocked(std::string_view nickname, tSocketId except) const;
    std::vector<std::string> UsersLocked() const;
    std::vector<std::string> InfoLocked(const std::string& nickname);
    void WriteLocked(tSocketId connection, const tNetMessage& message);
    void ServeLocked(tSocketId from, tNetMessage message, tAfter& after);
    void ServeAsServerLocked(tSocketId from, tNetMessage message, tAfter& after);
    void ServeAsClientLocked(tNetMessage message, tAfter& after);
    // A data message the server passes on: to the clients it names (to everyone but its sender
    // when it names nobody), and to the server's own program by the same rule.
    void RouteLocked(tNetMessage message, tAfter& after);
    void QueueMessageLocked(tNetMessage message, tAfter& after);
    void QueueStatusLocked(const std::string& key, const std::vector<std::string>& arguments, tAfter& after);
    void Finish(const tAfter& after);

    const tWake wake;
    std::mutex guard;
    tNetMode mode = tNetMode::kNone;
    int port = 51;
    std::string host;
    std::string requestedNickname;
    std::string nickname;  // in force
    bool runEnabled = false;
    std::string status;

    tSocketId listener = 0;
    std::map<tSocketId, tClient> clients;
    tSocketId server = 0;  // the client's connection
    bool serverOpen = false;
    tFrameReader serverReader;
    std::optional<std::vector<std::string>> usersReply, infoReply;

    std::deque<std::string> statusQueue;
    std::deque<tNetMessage> messageQueue;
    bool statusBusy = false;
    bool messagesBusy = false;
};
