#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// The system clipboard. It holds one thing at a time, in one or more formats: "text" (the
// words' own bytes), "image" (a bitmap as a BMP file), "image file" (an image as the program's
// own image file), "project" (a saved project's container). The windowed program
// installs the platform's clipboard; until then (and in the console) what is put here is kept in
// memory for the life of the program.
class tClipboard {
public:
    virtual ~tClipboard() = default;
    // Empty when the clipboard holds no text.
    std::string Text() { return Data(kText); }
    // Replaces what the clipboard holds.
    void SetText(const std::string& text) { SetData(kText, text); }
    // The bytes held in a format; empty when it holds none in it.
    virtual std::string Data(std::string_view format);
    // Replaces what the clipboard holds by the same thing in several formats (format, bytes);
    // empty bytes are left out.
    using tContents = std::vector<std::pair<std::string_view, std::string>>;
    virtual void Set(const tContents& contents);
    void SetData(std::string_view format, const std::string& bytes) { Set({{format, bytes}}); }
    // What it holds, as the words "text", "image" (a bitmap or an image file), "project", in
    // this order.
    virtual std::vector<std::string> Formats();

    static constexpr std::string_view kText = "text";
    static constexpr std::string_view kImage = "image";
    static constexpr std::string_view kImageFile = "image file";
    static constexpr std::string_view kProject = "project";

private:
    std::mutex mutex_;
    std::map<std::string, std::string, std::less<>> held_;
};

void installClipboard(std::shared_ptr<tClipboard> clipboard);
tClipboard& clipboard();
