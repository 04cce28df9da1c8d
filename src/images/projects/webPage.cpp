#include "images/projects/webPage.h"

#include <QByteArray>

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
    if (!content.pictureData.empty()) {
        const QByteArray png(content.pictureData.data(), static_cast<qsizetype>(content.pictureData.size()));
        page += "<img src=\"data:image/png;base64," + png.toBase64().toStdString() + "\" alt=\"" + title + "\"" +
                size + ">\n";
    }
    page += "</object>\n<p><a href=\"" + escaped(content.packageFile) + "\">" + escaped(content.packageFile) +
            "</a></p>\n";
    if (!content.pluginPage.empty())
        page += "<p><a href=\"" + escaped(content.pluginPage) + "\">" + escaped(content.pluginPage) + "</a></p>\n";
    if (!content.bottomLine.empty()) page += content.bottomLine + "\n";
    page += "</body>\n</html>\n";
    return page;
}
