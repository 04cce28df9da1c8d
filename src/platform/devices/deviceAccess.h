#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Joysticks and hardware I/O ports through the kernel's devices. Joystick n (from 1) is the
// joystick device "js<n-1>" of the input folder; a port is the byte at its number in the port
// device, which the kernel opens only for programs allowed raw I/O (normal users are not).
struct tDeviceAccess {
    std::string joystickFolder = "/dev/input";
    std::string portDevice = "/dev/port";
    // Whether the joystick device answers as one (a device node left behind by a joystick
    // that was pulled out does not).
    std::function<bool(const std::string& path)> joystickResponds;
};

// What the device primitives use; tests point it at folders and files of their own.
tDeviceAccess& deviceAccess();

// The joystick numbers of the folder's joystick devices, in order.
std::vector<int32_t> joystickNumbers(const std::string& folder);
std::string joystickPath(const std::string& folder, int32_t number);
// Opens the device without waiting and asks it for its axis count.
bool joystickDeviceResponds(const std::string& path);

// `width` bytes (1, 2 or 4) from the port on, little-endian; nothing when the device cannot be
// opened or the ports cannot be read.
std::optional<uint32_t> readPorts(const std::string& device, uint16_t port, int width);
// False when the device cannot be opened or the ports cannot be written.
bool writePorts(const std::string& device, uint16_t port, int width, uint32_t value);
