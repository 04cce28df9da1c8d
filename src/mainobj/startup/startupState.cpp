#include "mainobj/startup/startupState.h"

#include <atomic>

#include "objects/objectLifecycle.h"

namespace {

std::atomic<bool> loading{false};
std::atomic<bool> programMode{false};

}  // namespace

void setStartupLoadingFlag(bool on) { loading.store(on); }

void setStartupProgramMode(bool on)
{
    programMode.store(on);
    setPersistentErasing(on);
}

bool startupLoadingFlag() { return loading.load(); }

bool startupProgramMode() { return programMode.load(); }
