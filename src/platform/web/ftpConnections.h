#pragma once

#include "platform/web/remoteAddress.h"

#include <string>

// The FTP connections a process keeps open. A connection is known by its process, host (letter
// case ignored), port, user, password and passive flag; "FTPOpen" holds one use of it and every
// operation that borrows it holds another, so it stays open between operations only while
// "FTPOpen" holds it, and never beyond the end of its process.
struct tConnectRec {
    const void* process = nullptr;
    std::string host;
    uint16_t port = 0;
    std::string user;
    std::string password;  // as the address gives them: empty for anonymous logins
    bool passive = false;
    void* handle = nullptr;  // the libcurl handle whose open connection this is; none: a free slot
    std::string entryPath;   // the server folder the login starts in
    int uses = 0;
};

// The connection for the address, found among the caller's or opened (count 1); its count
// raised when found. Null when no connection can be made.
tConnectRec* borrowFtpConnection(const tRemoteAddress& address, bool passive);
// Lowers the count; the connection closes at 0.
void returnFtpConnection(tConnectRec* connection);
// Lowers the count of the caller's matching connection, if there is one ("FTPClose").
void releaseFtpConnection(const tRemoteAddress& address, bool passive);
// The count of the caller's matching connection; 0 when there is none.
int ftpConnectionUses(const tRemoteAddress& address, bool passive);
// Closes every connection the process opened.
void closeFtpConnectionsOf(const void* process);

// Sets the connection's handle for a request on the server's `urlPath`, logged in with its user
// and password (anonymous when both are empty), stopping when the calling process is asked to.
void setFtpRequest(const tConnectRec& connection, const std::string& urlPath);

// Who owns connections opened by the calling thread: its Logo process, or the thread itself.
const void* ftpConnectionOwner();

// A borrowed connection, given back at the end of the scope.
class tBorrowedFtpConnection {
public:
    tBorrowedFtpConnection(const tRemoteAddress& address, bool passive)
        : mConnection(borrowFtpConnection(address, passive))
    {
    }
    ~tBorrowedFtpConnection() { returnFtpConnection(mConnection); }
    tBorrowedFtpConnection(const tBorrowedFtpConnection&) = delete;
    tBorrowedFtpConnection& operator=(const tBorrowedFtpConnection&) = delete;

    explicit operator bool() const { return mConnection != nullptr; }
    tConnectRec& operator*() const { return *mConnection; }
    tConnectRec* operator->() const { return mConnection; }

private:
    tConnectRec* mConnection;
};
