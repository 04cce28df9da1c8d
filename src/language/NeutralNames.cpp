#include "language/Language.h"

#include "language/TDTables.h"

namespace {

constexpr char kNeutralMark = '\xB7';

bool isIdentifierByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
           c == '_' || c == '?' || (byte >= 0xC0 && c != kNeutralMark);
}

// A section-qualified neutral name ("·section·key") is one word, so the inner mark is part of it.
size_t neutralWordEnd(std::string_view text, size_t start)
{
    size_t end = start + 1;
    bool sectionSeen = false;
    while (end < text.size()) {
        if (isIdentifierByte(text[end])) {
            ++end;
        } else if (text[end] == kNeutralMark && !sectionSeen && end + 1 < text.size() &&
                   isIdentifierByte(text[end + 1])) {
            sectionSeen = true;
            ++end;
        } else {
            break;
        }
    }
    return end;
}

std::string resolvedName(std::string_view name)
{
    const std::string_view key = name.substr(1);
    if (std::string word = primaryWordOrEmpty("dict", key); !word.empty())
        return word;
    if (key.size() > 3 && lowerAscii(key.substr(0, 3)) == "set") {
        if (std::string word = primaryWordOrEmpty("dict", key.substr(3)); !word.empty())
            return setterName(word);
    }
    if (const size_t mark = key.find(kNeutralMark); mark != std::string_view::npos) {
        if (std::string word = primaryWordOrEmpty(key.substr(0, mark), key.substr(mark + 1)); !word.empty())
            return word;
    }
    return std::string(name);
}

}

std::string resolveNeutralName(std::string_view word)
{
    if (word.size() < 2 || word.front() != kNeutralMark)
        return std::string(word);
    const size_t apostrophe = word.find('\'');
    const std::string_view tail = apostrophe == std::string_view::npos ? std::string_view() : word.substr(apostrophe);
    return resolvedName(word.substr(0, apostrophe)) + std::string(tail);
}

std::string translateNeutral(std::string_view text)
{
    std::string out;
    size_t done = 0;
    for (size_t at = text.find(kNeutralMark); at != std::string_view::npos; at = text.find(kNeutralMark, done)) {
        const size_t end = neutralWordEnd(text, at);
        out.append(text.substr(done, at - done));
        out.append(end > at + 1 ? resolvedName(text.substr(at, end - at)) : std::string(text.substr(at, end - at)));
        done = end;
    }
    return out.append(text.substr(done));
}
