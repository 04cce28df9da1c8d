#include "platform/devices/deviceAccess.h"

#include <fcntl.h>
#include <linux/joystick.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

// A descriptor closed when it goes.
class tDevice {
public:
    tDevice(const std::string& path, int flags) : fd(::open(path.c_str(), flags | O_CLOEXEC)) {}
    ~tDevice()
    {
        if (fd >= 0) ::close(fd);
    }
    tDevice(const tDevice&) = delete;
    tDevice& operator=(const tDevice&) = delete;

    const int fd;
};

// "js" followed by digits only.
std::optional<int32_t> joystickIndex(const std::string& name)
{
    if (name.size() < 3 || name.size() > 6 || name.compare(0, 2, "js") != 0) return std::nullopt;
    if (!std::all_of(name.begin() + 2, name.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return std::stoi(name.substr(2));
}

}  // namespace

tDeviceAccess& deviceAccess()
{
    static tDeviceAccess access{.joystickResponds = &joystickDeviceResponds};
    return access;
}

std::vector<int32_t> joystickNumbers(const std::string& folder)
{
    std::vector<int32_t> numbers;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (const std::optional<int32_t> index = joystickIndex(entry.path().filename().string()))
            numbers.push_back(*index + 1);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::string joystickPath(const std::string& folder, int32_t number)
{
    return folder + "/js" + std::to_string(number - 1);
}

bool joystickDeviceResponds(const std::string& path)
{
    const tDevice device(path, O_RDONLY | O_NONBLOCK);
    uint8_t axes = 0;
    return device.fd >= 0 && ::ioctl(device.fd, JSIOCGAXES, &axes) == 0;
}

std::optional<uint32_t> readPorts(const std::string& device, uint16_t port, int width)
{
    const tDevice ports(device, O_RDONLY);
    uint8_t bytes[4] = {};
    if (ports.fd < 0 || ::pread(ports.fd, bytes, width, port) != width) return std::nullopt;
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = value << 8 | bytes[i];
    return value;
}

bool writePorts(const std::string& device, uint16_t port, int width, uint32_t value)
{
    const tDevice ports(device, O_WRONLY);
    uint8_t bytes[4];
    for (int i = 0; i < width; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    return ports.fd >= 0 && ::pwrite(ports.fd, bytes, width, port) == width;
}
