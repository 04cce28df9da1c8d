#include "objects/objectKinds.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

#include "language/Language.h"

namespace {

constexpr const char* kKindWords[] = {
    "button", "colorslider", "colourbutton", "joystick", "main", "mainwindow", "mediaplayer", "melodybutton",
    "net", "page", "pageswitch", "pane", "separator", "slider", "switch", "textbox", "toolbar", "toolbutton",
    "toolwindow", "turtle", "web", "widthswitch", "window",
};

// Synonym code to class-name code, for one language; rebuilt after a switch, old ones kept for
// lookups still reading them.
using tKindTable = std::unordered_map<uint32_t, uint32_t>;

std::mutex guard;
std::vector<std::unique_ptr<tKindTable>> tables;
std::atomic<const tKindTable*> current{nullptr};
bool listening = false;

const tKindTable* build()
{
    std::lock_guard<std::mutex> hold(guard);
    if (const tKindTable* ready = current.load(std::memory_order_acquire)) return ready;
    if (!listening) {
        listening = true;
        onLanguageSwitched([] { current.store(nullptr, std::memory_order_release); });
    }
    auto table = std::make_unique<tKindTable>();
    for (const char* kind : kKindWords) {
        std::istringstream synonyms(getStr("class", kind, false));
        std::string word;
        uint32_t className = 0;
        while (synonyms >> word) {
            if (!className) className = nameCode(word);
            table->emplace(nameCode(word), className);
        }
    }
    tables.push_back(std::move(table));
    current.store(tables.back().get(), std::memory_order_release);
    return tables.back().get();
}

}  // namespace

uint32_t kindClassName(uint32_t code)
{
    const tKindTable* table = current.load(std::memory_order_acquire);
    if (!table) table = build();
    auto found = table->find(code);
    return found == table->end() ? code : found->second;
}
