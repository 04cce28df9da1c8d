#include "platform/devices/tJoystickReader.h"

#include <fcntl.h>
#include <linux/joystick.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace {

std::optional<int> askedCount(int device, unsigned long request)
{
    uint8_t count = 0;
    if (::ioctl(device, request, &count) != 0) return std::nullopt;
    return count;
}

std::vector<uint8_t> askedAxisCodes(int device, int axes)
{
    uint8_t codes[ABS_CNT] = {};
    if (::ioctl(device, JSIOCGAXMAP, codes) < 0) return {};
    return std::vector<uint8_t>(codes, codes + std::min(axes, static_cast<int>(ABS_CNT)));
}

}  // namespace

tJoystickReader::~tJoystickReader() { Close(); }

tJoystickReader::tOpening tJoystickReader::Open(const std::string& path, tListener heard)
{
    device = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (device < 0) return errno == ENOENT || errno == ENODEV || errno == ENXIO ? tOpening::kMissing : tOpening::kRefused;
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        ::close(device);
        device = -1;
        return tOpening::kRefused;
    }
    const std::optional<int> axes = askedCount(device, JSIOCGAXES);
    state.SetCounts(axes, askedCount(device, JSIOCGBUTTONS));
    if (axes) axisCodes = askedAxisCodes(device, *axes);
    listener = std::move(heard);
    thread = std::thread([this] { Read(); });
    return tOpening::kOpened;
}

void tJoystickReader::Close()
{
    if (thread.joinable()) {
        stopping = true;
        const char wakeUp = 1;
        (void)!::write(wake[1], &wakeUp, 1);
        thread.join();
    }
    for (int* fd : {&device, &wake[0], &wake[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

tJoystickReader::tSnapshot tJoystickReader::Snapshot() const
{
    std::lock_guard<std::mutex> hold(guard);
    return {state, joystickLayout(axisCodes, state.AxesCount()), lost};
}

void tJoystickReader::Read()
{
    while (!stopping) {
        pollfd waits[2] = {{device, POLLIN, 0}, {wake[0], POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0 && errno != EINTR) break;
        if (stopping) break;
        if (!TakeRecords()) {
            std::lock_guard<std::mutex> hold(guard);
            lost = true;
            break;
        }
    }
}

bool tJoystickReader::TakeRecords()
{
    uint8_t bytes[64 * tJoystickRecord::kSize];
    const ssize_t n = ::read(device, bytes, sizeof bytes);
    if (n < 0) return errno == EAGAIN || errno == EINTR;
    if (n == 0) {
        // A device never ends; a file does until more is written to it.
        WaitForMore(10);
        return true;
    }
    partial.insert(partial.end(), bytes, bytes + n);
    const size_t whole = partial.size() / tJoystickRecord::kSize * tJoystickRecord::kSize;
    tJoystickChanges changes;
    {
        std::lock_guard<std::mutex> hold(guard);
        for (size_t at = 0; at < whole; at += tJoystickRecord::kSize)
            changes.Add(state.Apply(tJoystickRecord::Decode(&partial[at])));
    }
    partial.erase(partial.begin(), partial.begin() + static_cast<ptrdiff_t>(whole));
    if (!changes.Empty() && listener) listener(changes);
    return true;
}

void tJoystickReader::WaitForMore(int milliseconds)
{
    pollfd wakeUp{wake[0], POLLIN, 0};
    ::poll(&wakeUp, 1, milliseconds);
}
