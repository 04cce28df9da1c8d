#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "net/tNetSockets.h"

// The network objects' sockets over plain POSIX sockets. One I/O thread waits in poll() on
// every socket and on a wake-up pipe, and hands each report to the window thread. Qt's
// sockets were not used: they need an event loop in the thread that owns them, and the
// console has none.
class tPosixNetSockets : public tNetSockets {
public:
    tPosixNetSockets();
    ~tPosixNetSockets() override;
    tPosixNetSockets(const tPosixNetSockets&) = delete;
    tPosixNetSockets& operator=(const tPosixNetSockets&) = delete;

    tSocketId Listen(int port, int& boundPort, std::weak_ptr<tSocketSink> sink) override;
    std::string Resolve(const std::string& host) override;
    tSocketId Connect(const std::string& host, int port, std::weak_ptr<tSocketSink> sink) override;
    void Send(tSocketId connection, std::string bytes) override;
    void Close(tSocketId socket) override;
    std::string LocalHostName() override;
    std::string LocalAddress() override;

private:
    enum class tState { kListening, kConnecting, kConnected };
    struct tSocket {
        int fd = -1;
        tState state = tState::kConnected;
        std::string pending;  // bytes not sent yet
        bool closing = false;  // close once `pending` is out
        std::weak_ptr<tSocketSink> sink;
    };
    using tReport = std::pair<std::weak_ptr<tSocketSink>, std::function<void(tSocketSink&)>>;

    tSocketId Add(int fd, tState state, std::weak_ptr<tSocketSink> sink);
    void Wake();
    void Loop();
    // One poll result of a socket, under the guard; the reports are handed over afterwards.
    void Serve(tSocketId id, tSocket& socket, short events, std::vector<tReport>& reports,
               std::vector<tSocketId>& finished);
    void Accept(tSocketId listener, tSocket& socket, std::vector<tReport>& reports);
    void Flush(tSocketId id, tSocket& socket, std::vector<tReport>& reports, std::vector<tSocketId>& finished);
    static void Hand(std::vector<tReport>& reports);

    std::mutex guard;
    std::map<tSocketId, tSocket> sockets;
    tSocketId lastId = 0;
    int wakeRead = -1;
    int wakeWrite = -1;
    bool stopping = false;
    std::thread io;
};
