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

void tClipboard::SetData(std::string_view format, const std::string& bytes)
{
    std::lock_guard<std::mutex> guard(mutex_);
    held_.clear();
    if (!bytes.empty()) held_.emplace(format, bytes);
}

std::vector<std::string> tClipboard::Formats()
{
    std::lock_guard<std::mutex> guard(mutex_);
    std::vector<std::string> formats;
    for (std::string_view format : {kText, kImage, kProject})
        if (held_.count(format)) formats.emplace_back(format);
    return formats;
}

void installClipboard(std::shared_ptr<tClipboard> clipboard) { installed() = std::move(clipboard); }

tClipboard& clipboard() { return *installed(); }
