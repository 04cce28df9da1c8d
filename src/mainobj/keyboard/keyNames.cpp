#include "mainobj/keyboard/keyNames.h"

#include "language/Language.h"
#include "language/WordComparison.h"
#include "values/eLogoException.h"

namespace {

constexpr char kNeutralMarker = '\xB7';
constexpr uint8_t kControlOffset = 64;  // Ctrl+A is character 1, Ctrl+@ character 0

std::string keyWord(std::string_view key) { return primaryWord("keynames", key); }

// Removes a leading synonym of the entry (or its language-neutral form); true when one was there.
bool removePrefix(std::string_view& text, std::string_view key)
{
    std::string words = getStr("keynames", key, false);
    words += ' ';
    words += kNeutralMarker;
    words += "keynames";
    words += kNeutralMarker;
    words += key;
    size_t start = 0;
    while (start < words.size()) {
        size_t end = words.find(' ', start);
        if (end == std::string::npos) end = words.size();
        std::string_view prefix = std::string_view(words).substr(start, end - start);
        if (!prefix.empty() && text.size() >= prefix.size() && sameWord(text.substr(0, prefix.size()), prefix)) {
            text.remove_prefix(prefix.size());
            return true;
        }
        start = end + 1;
    }
    return false;
}

bool isControlRange(uint8_t upper) { return upper >= '@' && upper <= '_'; }

// The long names of key words: the special keys, searched downward so that "nokey" is 78, and
// "space".
bool namedKey(std::string_view text, tKeyStroke& pattern)
{
    for (uint16_t number = specialKey::kLast; number >= specialKey::kFirst; --number) {
        if (isWord("keynames", specialKeyOfNumber(number)->name, text)) {
            pattern.special = number;
            return true;
        }
    }
    if (isWord("keynames", "space", text)) {
        pattern.character = ' ';
        return true;
    }
    return false;
}

}  // namespace

std::string keyStrokeName(const tKeyStroke& stroke)
{
    using namespace keyModifier;
    const bool ctrl = stroke.modifiers & kCtrl;
    const bool shift = stroke.modifiers & kShift;
    const bool alt = stroke.modifiers & kAlt;
    std::string name;
    if (stroke.special != 0) {
        std::optional<tSpecialKey> key = specialKeyOfNumber(stroke.special);
        name = keyWord(key ? key->name : "nokey");
        if (ctrl) name = keyWord("ctrl.") + name;
        if (shift) name = keyWord("shift.") + name;
    } else if (stroke.character >= ' ') {
        name = stroke.character == ' ' ? keyWord("space") : std::string(1, static_cast<char>(stroke.character));
        if (ctrl) name = keyWord("ctrl.") + name;
        // A capital letter already tells that shift was down.
        if (shift && (ctrl || alt)) name = keyWord("shift.") + name;
    } else {
        name = keyWord("ctrl.") + static_cast<char>(stroke.character + kControlOffset);
        if (shift) name = keyWord("shift.") + name;
    }
    if (alt) name = keyWord("alt.") + name;
    if (stroke.release) name = keyWord("off.") + name;
    return name;
}

tKeyStroke keyWordPattern(std::string_view word)
{
    using namespace keyModifier;
    tKeyStroke pattern;
    std::string_view text = word;
    if (removePrefix(text, "off.")) pattern.release = 1;
    if (text.size() == 1) {
        pattern.character = static_cast<uint8_t>(text[0]);
        return pattern;
    }
    for (bool removed = true; removed;) {
        removed = false;
        for (auto [key, bit] : {std::pair{"shift.", kShift}, std::pair{"ctrl.", kCtrl}, std::pair{"alt.", kAlt}}) {
            if (removePrefix(text, key)) {
                pattern.modifiers |= bit;
                removed = true;
            }
        }
    }
    if (text.size() == 1) {
        const uint8_t upper = upperCaseByte(static_cast<uint8_t>(text[0]));
        if (!isControlRange(upper)) throw eLogoException(erUnknownKeyMenu, word);
        if (pattern.modifiers & kCtrl) {
            pattern.character = upper - kControlOffset;
            pattern.modifiers &= ~kCtrl;
        } else {
            pattern.character = upper;
        }
        return pattern;
    }
    if (text.size() > 1 && namedKey(text, pattern)) return pattern;
    throw eLogoException(erUnknownKeyMenu, word);
}
