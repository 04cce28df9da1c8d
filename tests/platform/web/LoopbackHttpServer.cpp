#include "LoopbackHttpServer.h"

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

tLoopbackHttpServer::tLoopbackHttpServer(const std::string& folder)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return;
    mServer = fork();
    if (mServer == 0) {
        dup2(pipeEnds[1], 1);
        close(pipeEnds[0]);
        execlp("python3", "python3", WEB_TEST_SERVER, folder.c_str(), (char*)nullptr);
        _exit(127);
    }
    close(pipeEnds[1]);
    FILE* portLine = fdopen(pipeEnds[0], "r");
    int port = 0;
    if (std::fscanf(portLine, "%d", &port) == 1)
        mBase = "http://127.0.0.1:" + std::to_string(port) + "/";
    std::fclose(portLine);
}

tLoopbackHttpServer::~tLoopbackHttpServer() { stop(); }

void tLoopbackHttpServer::stop()
{
    if (mServer > 0) {
        kill(mServer, SIGTERM);
        waitpid(mServer, nullptr, 0);
    }
    mServer = -1;
}
