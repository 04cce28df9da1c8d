#include "objects/objectKinds.h"

#include <sstream>
#include <string>
#include <unordered_map>

#include "objects/perLanguageCache.h"

namespace {

constexpr const char* kKindWords[] = {
    "button", "colorslider", "colourbutton", "joystick", "main", "mainwindow", "mediaplayer", "melodybutton",
    "net", "page", "pageswitch", "pane", "separator", "slider", "switch", "textbox", "toolbar", "toolbutton",
    "toolwindow", "turtle", "web", "widthswitch", "window",
};

// Synonym code to the code of the kind's first word.
using tKindTable = std::unordered_map<uint32_t, uint32_t>;

tKindTable collect()
{
    tKindTable table;
    for (const char* kind : kKindWords) {
        std::istringstream synonyms(getStr("class", kind, false));
        std::string word;
        uint32_t className = 0;
        while (synonyms >> word) {
            if (!className) className = nameCode(word);
            table.emplace(nameCode(word), className);
        }
    }
    return table;
}

// Never destroyed: process threads may still create objects while the program exits.
tPerLanguageCache<tKindTable>& kindTable()
{
    static auto* cache = new tPerLanguageCache<tKindTable>(&collect);
    return *cache;
}

}  // namespace

uint32_t kindClassName(uint32_t code)
{
    const tKindTable& table = kindTable().Get();
    auto found = table.find(code);
    return found == table.end() ? code : found->second;
}
