#include "platform/web/contentTypes.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

struct tExtensionType {
    std::string_view extension;
    std::string_view contentType;
};

// The extensions learners' programs meet; anything else is binary without a type.
constexpr tExtensionType kTypes[] = {
    {"txt", "text/plain"},      {"lgo", "text/plain"},       {"logo", "text/plain"},
    {"htm", "text/html"},       {"html", "text/html"},       {"css", "text/css"},
    {"csv", "text/csv"},        {"xml", "text/xml"},         {"js", "text/javascript"},
    {"json", "application/json"}, {"pdf", "application/pdf"}, {"zip", "application/zip"},
    {"png", "image/png"},       {"gif", "image/gif"},        {"jpg", "image/jpeg"},
    {"jpeg", "image/jpeg"},     {"bmp", "image/bmp"},        {"svg", "image/svg+xml"},
    {"mid", "audio/midi"},      {"midi", "audio/midi"},      {"wav", "audio/wav"},
    {"mp3", "audio/mpeg"},
};

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return result;
}

} // namespace

std::string contentTypeOfFile(const std::string& fileName)
{
    size_t dot = fileName.find_last_of("./");
    if (dot == std::string::npos || fileName[dot] != '.')
        return {};
    std::string extension = lowered(std::string_view(fileName).substr(dot + 1));
    for (const tExtensionType& entry : kTypes)
        if (entry.extension == extension)
            return std::string(entry.contentType);
    return {};
}

bool isTextContentType(const std::string& contentType)
{
    return lowered(std::string_view(contentType).substr(0, 5)) == "text/";
}

bool isPlainTextContentType(const std::string& contentType)
{
    std::string type = lowered(std::string_view(contentType).substr(0, contentType.find(';')));
    while (!type.empty() && type.back() == ' ')
        type.pop_back();
    return type == "text/plain";
}
