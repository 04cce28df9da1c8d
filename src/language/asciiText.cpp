#include "language/asciiText.h"

namespace {

std::string shifted(std::string_view text, char first, char last, int by)
{
    std::string out(text);
    for (char& c : out)
        if (c >= first && c <= last)
            c = static_cast<char>(c + by);
    return out;
}

}

std::string lowerAscii(std::string_view text)
{
    return shifted(text, 'A', 'Z', 'a' - 'A');
}

std::string upperAscii(std::string_view text)
{
    return shifted(text, 'a', 'z', 'A' - 'a');
}
