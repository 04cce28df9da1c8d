#include "language/windows1252Text.h"

#include <cstdint>

namespace {

// The code points of bytes 0x80 to 0x9F; 0 marks the five bytes Windows-1252 leaves unused.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char byteFor(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] && kHighControls[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

char32_t codePointOfWindows1252(unsigned char byte)
{
    if (byte < 0x80 || byte >= 0xA0) return byte;
    char16_t mapped = kHighControls[byte - 0x80];
    return mapped ? mapped : byte;
}

std::string utf8FromWindows1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char byte : text) appendUtf8(out, codePointOfWindows1252(static_cast<unsigned char>(byte)));
    return out;
}

std::string windows1252FromUtf8(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        auto lead = static_cast<unsigned char>(text[i]);
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        if (lead >= 0x80 && extra == 0) {
            // A stray continuation byte is not UTF-8: it is taken as it stands.
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        char32_t c = extra ? lead & (0x3F >> extra) : lead;
        size_t end = i + 1 + extra;
        if (end > text.size()) {
            out += '?';
            break;
        }
        for (size_t k = i + 1; k < end; ++k) c = (c << 6) | (static_cast<unsigned char>(text[k]) & 0x3F);
        out += byteFor(c);
        i = end;
    }
    return out;
}
