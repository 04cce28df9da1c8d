#include "objects/eventNames.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <unordered_map>
#include <vector>

#include "language/Language.h"
#include "objects/perLanguageCache.h"

namespace {

constexpr const char* kEventKeys[] = {
    "onCreate", "onClean", "onClick", "onDoubleClick", "onLeftDown", "onRightDown", "onMiddleDown", "onLeftUp",
    "onRightUp", "onMiddleUp", "onDrag", "onPush", "onRelease", "onTool", "onChange", "onChanged",
    "onPagelistChanged", "onMouseMove", "onMouseEnter", "onMouseLeave", "onVoiceCommand", "onAddBehaviour",
    "onDeleteBehaviour", "onCollide", "onBounce", "onLoad", "onPositionChange", "onPlayStateChange",
    "onStatusChanged", "onReceive", "onJoystickButton1Down", "onJoystickButton1Up", "onJoystickButton2Down",
    "onJoystickButton2Up", "onJoystickButton3Down", "onJoystickButton3Up", "onJoystickButton4Down",
    "onJoystickButton4Up", "onJoystickMove", "onBegin", "onComplete", "onShowPage", "onHidePage",
    "onTurnToolBar", "onReceiveObject", "onErase",
};
static_assert(std::size(kEventKeys) == static_cast<size_t>(tEventKey::onErase) + 1);

constexpr const char* kLifecycleKeys[] = {"create", "destroy", "defaultaction"};

// Every word of the key, the first one first; the key's fallback name when the dictionary
// lacks it.
std::vector<uint32_t> wordsOf(const char* key)
{
    std::vector<uint32_t> codes = nameCodes(key);
    if (codes.empty()) codes.push_back(nameCode(primaryName(key)));
    return codes;
}

void internSetUpNames()
{
    for (const char* key : kLifecycleKeys) {
        wordsOf(key);
        nameCode(key);
    }
    for (const char* key : kEventKeys) wordsOf(key);
}

struct tEventCodes {
    std::vector<uint32_t> primary;                 // by tEventKey
    std::unordered_map<uint32_t, uint32_t> stored;  // every word to its event's first word
};

tEventCodes collect()
{
    tEventCodes codes;
    for (const char* key : kEventKeys) {
        std::vector<uint32_t> words = wordsOf(key);
        codes.primary.push_back(words.front());
        for (uint32_t word : words) codes.stored.emplace(word, words.front());
    }
    return codes;
}

// Never destroyed: process threads may still fire events while the program exits.
tPerLanguageCache<tEventCodes>& eventCodes()
{
    static auto* cache = new tPerLanguageCache<tEventCodes>(&collect);
    return *cache;
}

}  // namespace

uint32_t eventCode(tEventKey event) { return eventCodes().Get().primary[static_cast<size_t>(event)]; }

uint32_t storedEventCode(uint32_t code)
{
    const tEventCodes& codes = eventCodes().Get();
    auto found = codes.stored.find(code);
    return found == codes.stored.end() ? code : found->second;
}

bool isEventName(uint32_t code) { return eventCodes().Get().stored.count(code) != 0; }

void installEventNames()
{
    onLanguageSwitched(&internSetUpNames);
    internSetUpNames();
}
