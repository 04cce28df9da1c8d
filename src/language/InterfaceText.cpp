#include "language/InterfaceText.h"

std::string withLineBreaks(std::string_view value)
{
    std::string text;
    for (char c : value) {
        if (c == '\xB6')
            text += "\r\n";
        else
            text += c;
    }
    return text;
}

std::string formatted(std::string_view pattern, const std::vector<std::string>& args)
{
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char kind = i + 1 < pattern.size() && pattern[i] == '%' ? pattern[i + 1] : '\0';
        if (kind == '%') {
            out += '%';
            ++i;
        } else if (kind == 's' || kind == 'd') {
            if (next < args.size())
                out += args[next++];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
