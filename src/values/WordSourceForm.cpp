#include "values/WordSourceForm.h"

#include <cstring>

#include "values/tLogoWord.h"

namespace {

constexpr char kPilcrow = static_cast<char>(182);

bool isOperatorChar(char c)
{
    return c != '\0' && std::strchr("*+-/()<>=;", c) != nullptr;
}

// Line breaks inside bars are written as pilcrows too: the reader skips line feeds everywhere.
std::string withPilcrows(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += kPilcrow;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string betweenBars(std::string_view text)
{
    if (!text.empty() && text[0] == '"')
        return "\"|" + withPilcrows(text.substr(1)) + "|";
    return "|" + withPilcrows(text) + "|";
}

}  // namespace

std::string wordSourceText(std::string_view text)
{
    if (text.empty())
        return "||";
    const bool leadingQuote = text[0] == '"';
    bool barsPossible = true;
    bool barsPreferable = false;
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto code = static_cast<unsigned char>(c);
        const bool rightAfterQuote = leadingQuote && i == 1;
        if (c == ' ' || c == '[' || c == ']' || c == '\\') {
            out += '\\';
            out += c;
            barsPreferable = true;
        } else if (c == kPilcrow || c == '|') {
            out += '\\';
            out += c;
            barsPossible = false;
        } else if ((c == '"' && i >= 1 && !rightAfterQuote)
                   || (isOperatorChar(c) && text.size() > 1 && !rightAfterQuote)) {
            out += '\\';
            out += c;
            barsPreferable = true;
        } else if (c == '\n') {
            out += kPilcrow;
        } else if (c == '\r') {
            out += kPilcrow;
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (code < 32) {
            const bool last = i + 1 == text.size();
            if (!last || !barsPossible) {
                out += '\\' + std::to_string(code) + '.';
                barsPossible = false;
            } else if (barsPreferable) {
                return betweenBars(text.substr(0, i)) + '\\' + std::to_string(code);
            } else {
                out += '\\' + std::to_string(code);
            }
        } else {
            out += c;
        }
    }
    if (out == "\\<\\>" || out == "\\<\\=" || out == "\\>\\=")
        return std::string(text);
    if (barsPossible && barsPreferable)
        return betweenBars(text);
    return out;
}

void installWordSourceForm()
{
    setWordSourceFormatter([](const std::string& text, int) { return wordSourceText(text); });
}
