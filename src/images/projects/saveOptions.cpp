#include "images/projects/saveOptions.h"

#include <atomic>

#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

namespace {

struct tOptionWord {
    const char* key;
    uint8_t bit;
};

constexpr tOptionWord kOptionWords[] = {
    {"backup", soBackup}, {"readonly", soReadOnly}, {"pagebg", soPageBg},
    {"panebg", soPaneBg}, {"extraimg", soExtraImages}, {"startup", 0},
};

std::atomic<uint8_t> stored{0};

uint8_t bitOf(tlogoobject* word)
{
    if (!word->IsList())
        for (const tOptionWord& option : kOptionWords)
            if (isWord("param", option.key, word->WordView()))
                return option.bit;
    throw eLogoException(erBadValue, word);
}

}  // namespace

uint8_t saveOptionsOf(tlogoobject* words)
{
    if (!words->IsList())
        return bitOf(words);
    uint8_t options = 0;
    for (tLogoList* cell = static_cast<tLogoList*>(words); cell && cell->first; cell = cell->rest)
        options |= bitOf(cell->first);
    return options;
}

std::string saveOptionsText(uint8_t options)
{
    std::string text = "[";
    for (const tOptionWord& option : kOptionWords) {
        if (!(options & option.bit))
            continue;
        if (text.size() > 1)
            text += ' ';
        text += primaryWord("param", option.key);
    }
    return text + "]";
}

uint8_t storedSaveOptions() { return stored.load(); }
void storeSaveOptions(uint8_t options) { stored.store(options); }
