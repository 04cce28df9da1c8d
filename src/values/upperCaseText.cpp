#include "values/upperCaseText.h"

namespace {

unsigned char upperCaseChar(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
    }
}

}  // namespace

std::string upperCaseText(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(upperCaseChar(static_cast<unsigned char>(c)));
    return upper;
}
