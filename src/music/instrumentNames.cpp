#include "music/instrumentNames.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "language/Language.h"
#include "language/TDTables.h"
#include "values/eLogoException.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

struct tNamedInstrument {
    const char* key;
    int program;
};
constexpr tNamedInstrument kCommonInstruments[] = {{"piano", 0}, {"guitar", 25}, {"organ", 16}};

// The names of one entry: blank-separated, a name of several words in square brackets.
std::vector<std::string> entryNames(std::string_view entry)
{
    std::vector<std::string> names;
    size_t at = 0;
    while (at < entry.size()) {
        if (entry[at] == ' ' || entry[at] == '\t') {
            ++at;
            continue;
        }
        const bool bracketed = entry[at] == '[';
        const size_t start = bracketed ? at + 1 : at;
        size_t end = entry.find(bracketed ? "]" : " ", start);
        if (end == std::string_view::npos) end = entry.size();
        names.emplace_back(trimBlanks(entry.substr(start, end - start)));
        at = end + 1;
    }
    return names;
}

bool entryNamesIt(std::string_view key, std::string_view name)
{
    for (const std::string& listed : entryNames(getStr("InstrumentNames", key, false)))
        if (sameWord(listed, name)) return true;
    return false;
}

bool allDigits(std::string_view text)
{
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

int instrumentOfName(std::string_view name)
{
    name = trimBlanks(name);
    if (name.empty()) return -1;
    for (const tNamedInstrument& common : kCommonInstruments)
        if (sameWord(name, common.key)) return common.program;
    for (const tNamedInstrument& common : kCommonInstruments)
        if (entryNamesIt(common.key, name)) return common.program;
    for (int program = 0; program < 128; ++program)
        if (entryNamesIt(std::to_string(program), name)) return program;
    return -1;
}

int instrumentOfText(std::string_view text, int highest)
{
    const std::string_view trimmed = trimBlanks(text);
    if (allDigits(trimmed)) {
        // Long digit strings are out of range, not a name.
        const int64_t number = trimmed.size() > 4 ? INT64_MAX : std::stoll(std::string(trimmed));
        if (number > highest) throw eLogoException(erMinMax, 0, highest, NewLiteralWord(trimmed));
        return static_cast<int>(number);
    }
    const int program = instrumentOfName(trimmed);
    if (program < 0) throw eLogoException(erBadValue, text);
    return program;
}
