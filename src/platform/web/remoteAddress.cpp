#include "platform/web/remoteAddress.h"

#include <algorithm>
#include <cctype>

namespace {

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return result;
}

bool parsePort(std::string_view digits, uint16_t& port)
{
    if (digits.empty() || digits.size() > 5)
        return false;
    unsigned value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + unsigned(c - '0');
    }
    if (value == 0 || value > 65535)
        return false;
    port = uint16_t(value);
    return true;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = char(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

} // namespace

std::optional<tRemoteAddress> parseRemoteAddress(std::string_view text)
{
    size_t schemeEnd = text.find("://");
    if (schemeEnd == std::string_view::npos || schemeEnd == 0)
        return std::nullopt;
    std::string_view scheme = text.substr(0, schemeEnd);
    if (!std::all_of(scheme.begin(), scheme.end(), [](unsigned char c) {
            return std::isalnum(c) || c == '+' || c == '-' || c == '.';
        }))
        return std::nullopt;

    tRemoteAddress address;
    address.scheme = lowered(scheme);
    std::string_view rest = text.substr(schemeEnd + 3);
    size_t authorityEnd = rest.find_first_of("/?");
    std::string_view authority = rest.substr(0, authorityEnd);
    std::string_view tail = authorityEnd == std::string_view::npos ? std::string_view() : rest.substr(authorityEnd);

    // The password may hold "@", so the last one ends the user part.
    size_t at = authority.rfind('@');
    if (at != std::string_view::npos) {
        std::string_view credentials = authority.substr(0, at);
        size_t colon = credentials.find(':');
        address.user = std::string(credentials.substr(0, colon));
        if (colon != std::string_view::npos)
            address.password = std::string(credentials.substr(colon + 1));
        authority = authority.substr(at + 1);
    }
    size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos) {
        if (!parsePort(authority.substr(colon + 1), address.port))
            return std::nullopt;
        authority = authority.substr(0, colon);
    }
    if (authority.empty())
        return std::nullopt;
    address.host = std::string(authority);

    // FTP has no query: a "?" there is part of the name (a wild card of the file primitives).
    size_t question = address.scheme == "ftp" ? std::string_view::npos : tail.find('?');
    address.path = std::string(tail.substr(0, question));
    if (question != std::string_view::npos)
        address.query = std::string(tail.substr(question + 1));
    if (address.path.empty())
        address.path.push_back('/');
    return address;
}

bool isFtpAddress(std::string_view text)
{
    auto address = parseRemoteAddress(text);
    return address && address->scheme == "ftp";
}

uint16_t portOf(const tRemoteAddress& address)
{
    if (address.port != 0)
        return address.port;
    if (address.scheme == "ftp")
        return 21;
    if (address.scheme == "https")
        return 443;
    return 80;
}

std::string lastPathSegment(std::string_view address)
{
    size_t slash = address.rfind('/');
    return std::string(slash == std::string_view::npos ? address : address.substr(slash + 1));
}

std::string percentDecoded(std::string_view text)
{
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            decoded += char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}
