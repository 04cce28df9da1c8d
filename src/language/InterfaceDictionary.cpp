#include "language/Language.h"

#include "language/BuiltinResources.h"
#include "language/DictionaryCoding.h"
#include "language/InterfaceChoice.h"
#include "language/InterfaceText.h"
#include "language/TDTables.h"

#include <mutex>
#include <optional>

namespace {

struct tInterfaceDictionary {
    std::string name;
    std::string bitmapPrefix;
    TDTables texts;
};

// Made once, at the first interface lookup; empty when no dictionary could be decoded.
const std::optional<tInterfaceDictionary>& interfaceDictionary()
{
    static std::optional<tInterfaceDictionary> dictionary;
    static std::once_flag made;
    std::call_once(made, [] {
        const tInterfaceSlot& slot = chooseInterfaceSlot();
        auto block = findBuiltinResource(kInterfaceResourceType, slot.name);
        std::string_view name = slot.name;
        if (block.empty()) {
            // Only english has texts so far; the other slots read as english until theirs exist.
            name = kInterfaceSlots.front().name;
            block = findBuiltinResource(kInterfaceResourceType, name);
        }
        try {
            if (!block.empty())
                dictionary = tInterfaceDictionary{std::string(name), std::string(slot.bitmapPrefix),
                                                  TDTables::Parse(decodeInterfaceBlock(block).text)};
        } catch (const std::exception&) {
            dictionary.reset();
        }
    });
    return dictionary;
}

thread_local bool lastFound = false;

}

std::string uiString(std::string_view section, std::string_view key)
{
    const auto& dictionary = interfaceDictionary();
    const std::string* value = dictionary ? dictionary->texts.Find(section, key) : nullptr;
    lastFound = value != nullptr;
    return value ? withLineBreaks(*value) : std::string();
}

bool uiFound()
{
    return lastFound;
}

std::string uiFormat(std::string_view key, const std::vector<std::string>& args)
{
    return formatted(uiString("strings", key), args);
}

std::string uiStringInChain(const std::vector<std::string>& sections, std::string_view key)
{
    for (const std::string& section : sections) {
        std::string text = uiString(section, key);
        if (lastFound)
            return text;
    }
    return {};
}

std::string interfaceLanguage()
{
    const auto& dictionary = interfaceDictionary();
    return dictionary ? dictionary->name : std::string();
}
