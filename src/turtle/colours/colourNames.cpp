#include "turtle/colours/colourNames.h"

#include <algorithm>
#include <climits>

#include "language/Language.h"
#include "objects/perLanguageCache.h"
#include "turtle/colours/colourSettings.h"
#include "turtle/colours/randomColour.h"
#include "values/eLogoException.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

std::vector<std::string> splitAtBlanks(const std::string& text)
{
    std::vector<std::string> words;
    size_t at = 0;
    while (at < text.size()) {
        size_t start = text.find_first_not_of(" \t", at);
        if (start == std::string::npos) break;
        size_t end = text.find_first_of(" \t", start);
        if (end == std::string::npos) end = text.size();
        words.push_back(text.substr(start, end - start));
        at = end;
    }
    return words;
}

template <class Lookup>
tColourNameLists buildLists(Lookup lookup)
{
    tColourNameLists lists;
    for (size_t i = 0; i < kSpecialColours.size(); ++i) lists.special[i] = splitAtBlanks(lookup(kSpecialColours[i].key));
    for (size_t i = 0; i < kShadeRows.size(); ++i) lists.base[i] = splitAtBlanks(lookup(kShadeRows[i].key));
    return lists;
}

tColourNameLists buildLanguageLists()
{
    return buildLists([](const char* key) { return getStr("colors", key, false); });
}

tColourNameLists buildInterfaceLists()
{
    return buildLists([](const char* key) { return uiString("colors", key); });
}

tPerLanguageCache<tColourNameLists> languageLists(&buildLanguageLists);
tPerLanguageCache<tColourNameLists> interfaceLists(&buildInterfaceLists);

bool isSynonym(const std::vector<std::string>& synonyms, std::string_view name)
{
    for (const std::string& synonym : synonyms)
        if (sameWord(synonym, name)) return true;
    return false;
}

template <size_t N>
std::optional<size_t> keyNamed(const std::array<std::vector<std::string>, N>& lists, std::string_view name)
{
    for (size_t i = 0; i < N; ++i)
        if (isSynonym(lists[i], name)) return i;
    return std::nullopt;
}

// The shade written after a name: from the first digit to the end, all digits, 1 to 12.
int shadeNumber(std::string_view digits)
{
    long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') throw eLogoException(erExpectNumber, digits);
        value = std::min(value * 10 + (c - '0'), long(INT_MAX));
    }
    if (value < 1 || value > kShadeCount) throw eLogoException(erMinMax, 1, kShadeCount, NewLiteralWord(digits));
    return int(value);
}

}  // namespace

const tColourNameLists& languageColourNames() { return languageLists.Get(); }
const tColourNameLists& interfaceColourNames() { return interfaceLists.Get(); }

tColour colourFromName(std::string_view given)
{
    std::string_view text = given;
    if (!text.empty() && text.front() == '"') text.remove_prefix(1);
    if (isWord("dict", "any", text)) return randomColour(anyColourSetting().get());

    std::string_view name = text;
    std::optional<int> shade;
    if (size_t digit = text.find_first_of("0123456789"); digit != std::string_view::npos) {
        shade = shadeNumber(text.substr(digit));
        name = text.substr(0, digit);
    }
    const tColourNameLists& lists = languageColourNames();
    if (std::optional<size_t> special = keyNamed(lists.special, name)) {
        tColour colour = kSpecialColours[*special].colour;
        if (!shade) return colour;
        std::optional<tShadePlace> place = shadePlaceOf(colour);
        return place ? kShadeRows[place->row].shades[*shade - 1] : colour;
    }
    if (std::optional<size_t> base = keyNamed(lists.base, name))
        return kShadeRows[*base].shades[shade.value_or(kPlainShade) - 1];
    throw eLogoException(erColorWrongName, given);
}

std::optional<std::string> nameOfColour(tColour colour, bool specialsFirst)
{
    const tColourNameLists& lists = languageColourNames();
    if (specialsFirst)
        for (size_t i = 0; i < kSpecialColours.size(); ++i)
            if (kSpecialColours[i].colour == colour && !lists.special[i].empty()) return lists.special[i].front();
    std::optional<tShadePlace> place = shadePlaceOf(colour);
    if (!place || lists.base[place->row].empty()) return std::nullopt;
    std::string name = lists.base[place->row].front();
    if (place->shade != kPlainShade) name += std::to_string(place->shade);
    return name;
}

std::vector<std::string> colourNameList()
{
    const tColourNameLists& lists = languageColourNames();
    std::vector<std::string> names;
    auto add = [&names](const std::vector<std::string>& synonyms) {
        if (!synonyms.empty()) names.push_back(synonyms.front());
    };
    // The special colours white and black; light grey is not offered.
    add(lists.special[0]);
    add(lists.special[1]);
    for (const std::vector<std::string>& synonyms : lists.base) add(synonyms);
    return names;
}
