#include "turtle/fontDescription.h"

#include <vector>

#include "language/TDTables.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

constexpr int32_t kBoldWeight = 700, kNormalWeight = 400, kBoldFrom = 600;
constexpr uint8_t kSlantStyles = tFontRecord::kItalic | tFontRecord::kUnderline | tFontRecord::kStrikeOut;

void setFace(tFontRecord& font, const std::string& face)
{
    font.face = face.substr(0, tFontRecord::kLongestFace);
}

int32_t numberIn(tlogoobject* value, int32_t lowest, int32_t highest)
{
    const int32_t number = value->AsInteger();
    if (number < lowest || number > highest) throw eLogoException(erMinMax, lowest, highest, value);
    return number;
}

// Each number of the second element, in order, changes one part of the font.
using tFontPart = void (*)(tFontRecord&, tlogoobject*);
const tFontPart kFontParts[] = {
    [](tFontRecord& font, tlogoobject* value) { font.size = numberIn(value, 0, 16384); },
    [](tFontRecord& font, tlogoobject* value) {
        const int32_t weight = numberIn(value, 0, 900);
        if (weight == 0) return;
        if (weight >= kBoldFrom)
            font.style |= tFontRecord::kBold;
        else
            font.style &= ~tFontRecord::kBold;
    },
    [](tFontRecord& font, tlogoobject* value) {
        const int32_t slant = numberIn(value, 0, 7);
        font.style = static_cast<uint8_t>((font.style & ~kSlantStyles) | (slant << 1));
    },
    [](tFontRecord& font, tlogoobject* value) {
        font.flags = static_cast<uint8_t>((font.flags & ~tFontRecord::kOpaque) | (numberIn(value, 0, 1) ? tFontRecord::kOpaque : 0));
    },
    [](tFontRecord& font, tlogoobject* value) {
        font.flags = static_cast<uint8_t>((font.flags & ~tFontRecord::kBaseline) | (numberIn(value, 0, 1) ? tFontRecord::kBaseline : 0));
    },
    [](tFontRecord& font, tlogoobject* value) { font.charSet = static_cast<uint8_t>(numberIn(value, 0, 255)); },
};

}  // namespace

tlogoobject* fontDescriptionOf(const tFontRecord& font)
{
    tListBuilder face;
    for (const std::string& word : splitWords(font.face)) face.Append(NewWord(word));
    tListBuilder numbers;
    numbers.Append(NewInteger(font.size));
    numbers.Append(NewInteger(font.style & tFontRecord::kBold ? kBoldWeight : kNormalWeight));
    numbers.Append(NewInteger((font.style & kSlantStyles) >> 1));
    numbers.Append(NewInteger(font.flags & tFontRecord::kOpaque ? 1 : 0));
    numbers.Append(NewInteger(font.flags & tFontRecord::kBaseline ? 1 : 0));
    numbers.Append(NewInteger(font.charSet));
    tListBuilder description;
    description.Append(face.Take());
    description.Append(numbers.Take());
    return description.Take();
}

tFontRecord fontFromDescription(const tFontRecord& font, tlogoobject* description, bool listsOnly)
{
    if (description->IsEmpty() && (description->IsList() || description->IsWord())) return tFontRecord{};
    tFontRecord changed = font;
    if (description->IsWord() && !listsOnly) {
        setFace(changed, description->WordText());
        return changed;
    }
    if (!description->IsList()) throw eLogoException(erExpectList, description);
    std::vector<tlogoobject*> parts;
    for (tlogoobject* part : elements(static_cast<tLogoList*>(description))) parts.push_back(part);
    const std::string face = parts[0]->PrintText(0);
    if (!face.empty()) setFace(changed, face);
    if (parts.size() < 2 || !parts[1]->IsList()) return changed;
    size_t part = 0;
    for (tlogoobject* number : elements(static_cast<tLogoList*>(parts[1]))) {
        if (part == std::size(kFontParts)) break;
        if (!number->IsEmpty()) kFontParts[part](changed, number);
        ++part;
    }
    return changed;
}
