#include "mainobj/system/buttonBar.h"

#include <atomic>

#include "mainobj/system/installedFront.h"

namespace {

tInstalledFront<tButtonBarFront> installed;
std::atomic<int> shownHeight{0};

}  // namespace

void installButtonBarFront(std::shared_ptr<tButtonBarFront> front) { installed.Install(std::move(front)); }
std::shared_ptr<tButtonBarFront> buttonBarFront() { return installed.Get(); }

int buttonBarHeight() { return shownHeight.load(); }
void setButtonBarHeight(int height) { shownHeight.store(height); }
