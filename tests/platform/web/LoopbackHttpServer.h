#pragma once

#include <string>
#include <sys/types.h>

// webTestServer.py on a free loopback port, serving the files of `folder` and echoing PUT and
// POST requests. `base` is empty when python3 could not start it.
class tLoopbackHttpServer {
public:
    explicit tLoopbackHttpServer(const std::string& folder);
    ~tLoopbackHttpServer();
    tLoopbackHttpServer(const tLoopbackHttpServer&) = delete;
    tLoopbackHttpServer& operator=(const tLoopbackHttpServer&) = delete;

    // "http://127.0.0.1:<port>/"
    const std::string& base() const { return mBase; }
    // Ends the server; its port then refuses connections.
    void stop();

private:
    pid_t mServer = -1;
    std::string mBase;
};
