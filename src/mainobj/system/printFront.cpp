#include "mainobj/system/printFront.h"

#include "mainobj/system/installedFront.h"

namespace {

tInstalledFront<tPrintFront> installed;

}  // namespace

void installPrintFront(std::shared_ptr<tPrintFront> front) { installed.Install(std::move(front)); }
std::shared_ptr<tPrintFront> printFront() { return installed.Get(); }
