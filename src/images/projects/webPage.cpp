#include "images/projects/webPage.h"

#include <string_view>

#include "language/windows1252Text.h"

namespace {

std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            if (byte < 0x80)
                out += c;
            else
                out += "&#" + std::to_string(static_cast<uint32_t>(codePointOfWindows1252(byte))) + ";";
        }
    }
    return out;
}

std::string base64(std::string_view bytes)
{
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const uint32_t n = static_cast<uint8_t>(bytes[i]) << 16 | static_cast<uint8_t>(bytes[i + 1]) << 8 |
                           static_cast<uint8_t>(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6) out += kDigits[(n >> shift) & 63];
    }
    if (i < bytes.size()) {
        uint32_t n = static_cast<uint8_t>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) n |= static_cast<uint8_t>(bytes[i + 1]) << 8;
        out += kDigits[(n >> 18) & 63];
        out += kDigits[(n >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(n >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

}  // namespace

std::string webPageText(const tWebPageContent& content)
{
    const std::string title = escaped(content.title);
    const std::string size =
        " width=\"" + std::to_string(content.width) + "\" height=\"" + std::to_string(content.height) + "\"";
    std::string page = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"" + escaped(content.charset) +
                       "\">\n<title>" + title + "</title>\n</head>\n<body>\n<h1>" + title + "</h1>\n";
    // The package is the object's data; a browser that cannot hand it on shows the picture.
    page += "<object type=\"application/x-zembrix-package\" data=\"" + escaped(content.packageFile) + "\"" +
            size + ">\n";
    if (!content.pictureData.empty())
        page += "<img src=\"data:image/png;base64," + base64(content.pictureData) + "\" alt=\"" + title + "\"" +
                size + ">\n";
    page += "</object>\n<p><a href=\"" + escaped(content.packageFile) + "\">" + escaped(content.packageFile) +
            "</a></p>\n";
    if (!content.pluginPage.empty())
        page += "<p><a href=\"" + escaped(content.pluginPage) + "\">" + escaped(content.pluginPage) + "</a></p>\n";
    if (!content.bottomLine.empty()) page += content.bottomLine + "\n";
    page += "</body>\n</html>\n";
    return page;
}
