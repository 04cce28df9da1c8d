#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A remote address split into its parts: scheme://[user[:password]@]host[:port]/path[?query].
struct tRemoteAddress {
    std::string scheme;  // lower case
    std::string user;
    std::string password;
    std::string host;
    uint16_t port = 0;   // 0 when the address names none
    std::string path;    // from the "/" after the host on; "/" when the address has none
    std::string query;   // without its "?"
};

// Nothing when the text is not an address of this form (no "://", no host, a bad port).
std::optional<tRemoteAddress> parseRemoteAddress(std::string_view text);

// A file name that the file primitives hand to the remote side instead of the disk.
bool isFtpAddress(std::string_view text);

// The port the scheme uses when the address names none.
uint16_t portOf(const tRemoteAddress& address);

// The text after the last "/" of the path: the remote file's own name.
std::string lastPathSegment(std::string_view address);

// The text with its "%" escapes (a "%" and two hexadecimal digits) replaced by their bytes.
std::string percentDecoded(std::string_view text);
