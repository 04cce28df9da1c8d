#include "app/displayAvailable.h"

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool socketAnswers(const std::string& path, bool abstract)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const size_t offset = abstract ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool answered = connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0;
    close(fd);
    return answered;
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A local X display ":N" or ":N.S" listens on /tmp/.X11-unix/XN (and on the abstract socket
// of that name); a display with a host name goes over the network, where Qt is trusted.
bool xDisplayAnswers(const std::string& display)
{
    if (display.empty()) return false;
    const size_t colon = display.rfind(':');
    if (colon == std::string::npos) return false;
    const std::string host = display.substr(0, colon);
    if (!host.empty() && host != "unix") return true;
    std::string number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty()) return false;
    const std::string path = "/tmp/.X11-unix/X" + number;
    return socketAnswers(path, false) || socketAnswers(path, true);
}

bool waylandAnswers(const std::string& display)
{
    if (display.empty()) return false;
    if (display.front() == '/') return socketAnswers(display, false);
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    return !runtime.empty() && socketAnswers(runtime + "/" + display, false);
}

// Qt's platform plugin for the display is installed (Wayland's comes in a package of its own).
bool pluginInstalled(const char* pattern)
{
    QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
    return !platforms.entryList({QString::fromLatin1(pattern)}, QDir::Files).isEmpty();
}

}  // namespace

bool displayAvailable()
{
    const std::string platform = environment("QT_QPA_PLATFORM");
    if (platform == "offscreen" || platform == "minimal") return false;
    if (xDisplayAnswers(environment("DISPLAY")) && pluginInstalled("libqxcb*")) return true;
    if (waylandAnswers(environment("WAYLAND_DISPLAY")) && pluginInstalled("libqwayland*")) {
        // Without X, Qt's default platform would be the one that cannot open.
        if (platform.empty()) qputenv("QT_QPA_PLATFORM", "wayland");
        return true;
    }
    return false;
}
