#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The TCP sockets the network objects talk through. The platform implements them (only
// platform/ talks to the operating system); this layer knows only this interface. Every call
// returns at once: connecting, sending and accepting go on in the background and are reported
// to the sink of the socket, on the window thread.

// A listening socket or a connection; 0 is none.
using tSocketId = uint64_t;

// The classes of socket failures the status reports name.
enum class tSocketFailure { kGeneral, kSend, kReceive, kConnect, kDisconnect, kAccept };

class tSocketSink {
public:
    virtual ~tSocketSink() = default;
    // A client connected to a listening socket; its connection reports to the same sink.
    virtual void Accepted(tSocketId listener, tSocketId connection, const std::string& remoteHost,
                          const std::string& remoteAddress) = 0;
    // A connection that Connect started is established.
    virtual void Connected(tSocketId connection) = 0;
    virtual void Received(tSocketId connection, const std::string& bytes) = 0;
    // The peer closed the connection, or it failed; nothing more comes from it.
    virtual void Closed(tSocketId connection) = 0;
    // A failure that does not end the socket by itself (a failed connect is followed by Closed).
    virtual void Failed(tSocketId socket, tSocketFailure failure) = 0;
};

class tNetSockets {
public:
    virtual ~tNetSockets() = default;

    // Listens on every local address; port 0 takes a free one. The port listened on, or 0
    // when listening failed. The sink is held weakly: once it is gone, reports are dropped.
    virtual tSocketId Listen(int port, int& boundPort, std::weak_ptr<tSocketSink> sink) = 0;
    // The address of a host name as four dot-separated numbers (an address stays as it is);
    // empty when the name is unknown. May wait for the name server: callers hold no lock.
    virtual std::string Resolve(const std::string& host) = 0;
    // Starts connecting to the host (four dot-separated numbers are an address, anything else
    // a host name); 0 when the host is unknown or no socket can be made.
    virtual tSocketId Connect(const std::string& host, int port, std::weak_ptr<tSocketSink> sink) = 0;
    // Queues bytes; they go out in order once the connection is established.
    virtual void Send(tSocketId connection, std::string bytes) = 0;
    // Closes a connection (after what was queued for it has been sent) or a listening socket;
    // the sink hears nothing more from it.
    virtual void Close(tSocketId socket) = 0;

    virtual std::string LocalHostName() = 0;
    virtual std::string LocalAddress() = 0;
};

// The sockets in use; none until the program installs them.
void installNetSockets(tNetSockets* sockets);
tNetSockets* netSockets();
