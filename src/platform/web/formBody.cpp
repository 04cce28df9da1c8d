#include "platform/web/formBody.h"

#include "platform/web/contentTypes.h"

#include <fstream>
#include <iterator>

namespace {

// Bytes a URL-encoded value carries unchanged: 33-36, 39-60 and 62-126 (not "%", "&", "=").
bool keptAsIs(unsigned char c)
{
    return (c >= 33 && c <= 36) || (c >= 39 && c <= 60) || (c >= 62 && c <= 126);
}

void appendEncoded(std::string& out, const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    for (unsigned char c : text) {
        if (c == ' ') {
            out += '+';
        } else if (keptAsIs(c)) {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
}

// The characters a boundary grows by; its prefix uses none of them, so that only
// appended characters can line up with the contents.
constexpr char kBoundaryAlphabet[] = "bdefhjklnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789'()+,/?";
constexpr char kBoundaryPrefix[] = "-=_magic_=";
constexpr size_t kLongestBoundary = 69;

std::string fileNameOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string urlEncodedBody(const tRequestArray& fields)
{
    std::string body;
    for (const tRequestField& field : fields) {
        if (!body.empty())
            body += '&';
        appendEncoded(body, field.name);
        body += '=';
        appendEncoded(body, field.value);
    }
    return body;
}

std::optional<std::vector<std::string>> fieldContents(const tRequestArray& fields)
{
    std::vector<std::string> contents;
    for (const tRequestField& field : fields) {
        if (!field.isFile) {
            contents.push_back(field.value);
            continue;
        }
        std::ifstream file(field.value, std::ios::binary);
        if (!file)
            return std::nullopt;
        contents.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (file.bad())
            return std::nullopt;
    }
    return contents;
}

std::optional<std::string> chooseBoundary(const std::vector<std::string>& contents,
                                          const std::function<size_t(size_t)>& pick)
{
    std::string boundary = kBoundaryPrefix;
    std::string remaining = kBoundaryAlphabet;
    // Every occurrence grows the boundary by a character that does not follow it there, so
    // that occurrence is gone; the contents are searched again until none holds the boundary.
    for (;;) {
        bool grown = false;
        for (const std::string& content : contents) {
            size_t at = content.find(boundary);
            if (at == std::string::npos)
                continue;
            size_t after = at + boundary.size();
            std::string choices = remaining;
            if (after < content.size()) {
                size_t following = choices.find(content[after]);
                if (following != std::string::npos)
                    choices.erase(following, 1);
            }
            if (choices.empty() || boundary.size() >= kLongestBoundary)
                return std::nullopt;
            char added = choices[pick(choices.size()) % choices.size()];
            boundary += added;
            remaining.erase(remaining.find(added), 1);
            grown = true;
            break;
        }
        if (!grown)
            return boundary;
    }
}

std::string multipartBody(const tRequestArray& fields, const std::vector<std::string>& contents,
                          const std::string& boundary)
{
    std::string body;
    for (size_t i = 0; i < fields.size(); ++i) {
        const tRequestField& field = fields[i];
        body += "\r\n--" + boundary + "\r\n";
        body += "Content-Disposition: form-data; name=\"" + field.name + "\"";
        if (field.isFile) {
            std::string type = field.contentType;
            if (type.empty())
                type = contentTypeOfFile(field.value);
            if (type.empty())
                type = "application/octet-stream";
            body += "; filename=\"" + fileNameOf(field.value) + "\"\r\nContent-Type: " + type;
        }
        body += "\r\n\r\n";
        body += contents[i];
    }
    body += "\r\n--" + boundary + "--\r\n";
    return body;
}

std::string postHeaders(const std::string& contentType, size_t bodyLength)
{
    return "Content-type: " + contentType + "\r\n"
           "Content-length: " + std::to_string(bodyLength) + "\r\n"
           "HTTP-keep-alive: 300\r\n"
           "HTTP-Connection: keep-alive\r\n"
           "HTTP-Accept: text/html,text/*,image/png,image/jpeg,image/gif,*/*\r\n";
}
