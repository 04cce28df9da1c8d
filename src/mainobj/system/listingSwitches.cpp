#include "mainobj/system/listingSwitches.h"

#include <atomic>

namespace {

std::atomic<bool> buriedLeftOut{true};
std::atomic<bool> hiddenShown{false};

}  // namespace

bool buriedNamesLeftOut() { return buriedLeftOut; }
void setBuriedNamesLeftOut(bool leftOut) { buriedLeftOut = leftOut; }
bool hiddenNamesShown() { return hiddenShown; }
void setHiddenNamesShown(bool shown) { hiddenShown = shown; }
