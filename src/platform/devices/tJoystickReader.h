#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/devices/joystickState.h"

// One joystick device, read on a thread of its own. The thread runs no Logo code: it keeps
// the state and tells the listener what changed. A plain file read like a device (as tests
// give) is followed as it grows.
class tJoystickReader {
public:
    using tListener = std::function<void(const tJoystickChanges& changes)>;

    enum class tOpening { kOpened, kMissing, kRefused };

    tJoystickReader() = default;
    ~tJoystickReader();
    tJoystickReader(const tJoystickReader&) = delete;
    tJoystickReader& operator=(const tJoystickReader&) = delete;

    // Opens the device and starts reading; the listener is called on the reading thread.
    tOpening Open(const std::string& path, tListener listener);
    // Stops the thread and closes the device; the listener is not called after it returns.
    void Close();

    struct tSnapshot {
        tJoystickState state;
        tJoystickLayout layout;
        // The device went away (pulled out) or failed.
        bool lost = false;
    };
    tSnapshot Snapshot() const;

private:
    void Read();
    // False when the device is gone.
    bool TakeRecords();
    void WaitForMore(int milliseconds);

    int device = -1;
    int wake[2] = {-1, -1};
    std::thread thread;
    tListener listener;
    std::atomic<bool> stopping{false};
    std::vector<uint8_t> partial;

    mutable std::mutex guard;
    tJoystickState state;
    std::vector<uint8_t> axisCodes;
    bool lost = false;
};
