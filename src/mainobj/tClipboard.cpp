#include "mainobj/tClipboard.h"

namespace {
std::shared_ptr<tClipboard>& installed()
{
    static std::shared_ptr<tClipboard> clipboard = std::make_shared<tClipboard>();
    return clipboard;
}
}  // namespace

std::string tClipboard::Data(std::string_view format)
{
    std::lock_guard<std::mutex> guard(mutex_);
    auto found = held_.find(format);
    return found == held_.end() ? std::string() : found->second;
}

void tClipboard::Set(const tContents& contents)
{
    std::lock_guard<std::mutex> guard(mutex_);
    held_.clear();
    for (const auto& [format, bytes] : contents)
        if (!bytes.empty()) held_.emplace(format, bytes);
}

std::vector<std::string> tClipboard::Formats()
{
    std::lock_guard<std::mutex> guard(mutex_);
    std::vector<std::string> formats;
    auto holds = [this](std::string_view format) { return held_.count(format) > 0; };
    if (holds(kText)) formats.emplace_back(kText);
    if (holds(kImage) || holds(kImageFile)) formats.emplace_back(kImage);
    if (holds(kProject)) formats.emplace_back(kProject);
    return formats;
}

void installClipboard(std::shared_ptr<tClipboard> clipboard) { installed() = std::move(clipboard); }

tClipboard& clipboard() { return *installed(); }
