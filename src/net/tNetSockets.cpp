#include "net/tNetSockets.h"

#include <atomic>

namespace {
std::atomic<tNetSockets*> installed{nullptr};
}

void installNetSockets(tNetSockets* sockets) { installed.store(sockets); }
tNetSockets* netSockets() { return installed.load(); }
