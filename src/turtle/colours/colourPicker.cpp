#include "turtle/colours/colourPicker.h"

#include <charconv>

#include "language/Language.h"
#include "turtle/colours/colourNames.h"

namespace {

template <size_t N>
std::string translated(const std::array<std::vector<std::string>, N>& shown,
                       const std::array<std::vector<std::string>, N>& logo, std::string_view name, bool& found)
{
    for (size_t i = 0; i < N && !found; ++i)
        for (const std::string& synonym : shown[i])
            if (sameWord(synonym, name)) {
                found = true;
                return logo[i].empty() ? std::string() : logo[i].front();
            }
    return {};
}

// One integer 0 to 255 at the front of text, followed by `end`; the text after it is left.
bool takeByte(std::string_view& text, char end, uint8_t& byte)
{
    int value = -1;
    auto [next, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (fault != std::errc() || next == text.data() + text.size() || *next != end || value < 0 || value > 255)
        return false;
    byte = uint8_t(value);
    text.remove_prefix(next - text.data() + 1);
    return true;
}

}  // namespace

std::string pickerNameToLogo(std::string_view pickerName)
{
    size_t digits = pickerName.find_last_not_of("0123456789") + 1;
    std::string_view name = pickerName.substr(0, digits);
    const tColourNameLists& shown = interfaceColourNames();
    const tColourNameLists& logo = languageColourNames();
    bool found = false;
    std::string word = translated(shown.special, logo.special, name, found);
    if (!found) word = translated(shown.base, logo.base, name, found);
    if (!found) return {};
    return word + std::string(pickerName.substr(digits));
}

tColour colourFromBracketText(std::string_view text)
{
    if (text.empty() || text.front() != '[') return {};
    text.remove_prefix(1);
    tColour colour;
    if (takeByte(text, ' ', colour.red) && takeByte(text, ' ', colour.green) && takeByte(text, ']', colour.blue) &&
        text.empty())
        return colour;
    return {};
}
