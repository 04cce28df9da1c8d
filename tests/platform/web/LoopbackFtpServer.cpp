#include "LoopbackFtpServer.h"

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fstream>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kVsftpd = "/usr/sbin/vsftpd";

// A loopback port that was free a moment ago (vsftpd binds it itself).
int freePort()
{
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    close(s);
    return ntohs(address.sin_port);
}

bool accepts(int port)
{
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool connected = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(s);
    return connected;
}

} // namespace

bool tLoopbackFtpServer::available() { return access(kVsftpd, X_OK) == 0; }

tLoopbackFtpServer::tLoopbackFtpServer()
{
    static std::atomic<int> servers{0};
    mFolder = fs::temp_directory_path() / ("zx-ftp-" + std::to_string(getpid()) + "-" + std::to_string(servers++));
    fs::create_directories(mFolder / "root");
    int port = freePort();
    std::ofstream(mFolder / "vsftpd.conf")
        << "listen=YES\nlisten_address=127.0.0.1\nlisten_port=" << port
        << "\nbackground=NO\nrun_as_launching_user=YES\nanonymous_enable=YES\nanon_root=" << (mFolder / "root").string()
        << "\nwrite_enable=YES\nanon_upload_enable=YES\nanon_mkdir_write_enable=YES\nanon_other_write_enable=YES\n"
           "anon_world_readable_only=NO\nlocal_enable=NO\nconnect_from_port_20=NO\nseccomp_sandbox=NO\n"
           "xferlog_enable=YES\nxferlog_std_format=NO\nvsftpd_log_file=" << (mFolder / "log").string()
        << "\npasv_address=127.0.0.1\n";
    mServer = fork();
    if (mServer == 0) {
        execl(kVsftpd, kVsftpd, (mFolder / "vsftpd.conf").c_str(), (char*)nullptr);
        _exit(127);
    }
    for (int i = 0; i < 200 && mServer > 0 && !accepts(port); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (mServer > 0 && accepts(port))
        mBase = "ftp://127.0.0.1:" + std::to_string(port) + "/";
}

std::vector<std::string> tLoopbackFtpServer::logins() const
{
    std::ifstream log(mFolder / "log");
    std::vector<std::string> passwords;
    const std::string anonymous = "anon password \"";
    for (std::string line; std::getline(log, line);) {
        if (line.find("OK LOGIN") == std::string::npos)
            continue;
        size_t start = line.find(anonymous);
        start = start == std::string::npos ? line.size() : start + anonymous.size();
        passwords.push_back(line.substr(start, line.find('"', start) - start));
    }
    return passwords;
}

tLoopbackFtpServer::~tLoopbackFtpServer()
{
    if (mServer > 0) {
        kill(mServer, SIGTERM);
        waitpid(mServer, nullptr, 0);
    }
    fs::remove_all(mFolder);
}
