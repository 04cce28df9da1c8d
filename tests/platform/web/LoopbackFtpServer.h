#pragma once

#include <filesystem>
#include <string>
#include <vector>
#include <sys/types.h>

// vsftpd as the launching user on a free loopback port, anonymous users reading and writing a
// fresh folder (files, folders, erasing and renaming). Never the internet.
class tLoopbackFtpServer {
public:
    // Whether vsftpd is installed (scripts/install-deps --with-peers installs it).
    static bool available();

    tLoopbackFtpServer();
    ~tLoopbackFtpServer();
    tLoopbackFtpServer(const tLoopbackFtpServer&) = delete;
    tLoopbackFtpServer& operator=(const tLoopbackFtpServer&) = delete;

    // "ftp://127.0.0.1:PORT/"; empty when the server did not start.
    const std::string& base() const { return mBase; }
    // The server's folder, and a folder beside it for local files.
    std::filesystem::path remote(const std::string& name) const { return mFolder / "root" / name; }
    std::filesystem::path local(const std::string& name) const { return mFolder / name; }
    // The password of every login so far, in order ("" for a named user's).
    std::vector<std::string> logins() const;

private:
    std::filesystem::path mFolder;
    pid_t mServer = -1;
    std::string mBase;
};
