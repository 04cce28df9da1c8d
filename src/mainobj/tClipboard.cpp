#include "mainobj/tClipboard.h"

namespace {
std::shared_ptr<tClipboard>& installed()
{
    static std::shared_ptr<tClipboard> clipboard = std::make_shared<tClipboard>();
    return clipboard;
}
}  // namespace

void installClipboard(std::shared_ptr<tClipboard> clipboard) { installed() = std::move(clipboard); }

tClipboard& clipboard() { return *installed(); }
