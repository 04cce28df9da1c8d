#include "mainobj/keyboard/tKeyMenuTable.h"

#include <algorithm>

bool keyPatternMatches(const tKeyStroke& pattern, const tKeyStroke& stroke)
{
    if (pattern.special == specialKey::kAnyStroke) return true;
    if (pattern.release != stroke.release || pattern.special != stroke.special || pattern.modifiers != stroke.modifiers)
        return false;
    return pattern.special != 0 || pattern.character == stroke.character;
}

void tKeyMenuTable::Set(tmultiobject* object, tLogoList* menu, std::vector<tEntry> added)
{
    Remove(object);
    if (!menu || menu->IsEmpty()) return;
    menus.push_back({tLogoRef<tmultiobject>(object), tLogoRef<tLogoList>(menu)});
    for (tEntry& entry : added) entries.push_back(std::move(entry));
}

void tKeyMenuTable::Remove(tmultiobject* object)
{
    std::erase_if(entries, [&](const tEntry& entry) { return entry.object == object; });
    std::erase_if(menus, [&](const tMenu& menu) { return menu.object.get() == object; });
}

tLogoList* tKeyMenuTable::Menu(const tmultiobject* object) const
{
    auto found = std::find_if(menus.begin(), menus.end(), [&](const tMenu& menu) { return menu.object.get() == object; });
    return found != menus.end() ? found->list.get() : nullptr;
}

bool tKeyMenuTable::AnyMatches(const tKeyStroke& stroke) const
{
    return std::any_of(entries.begin(), entries.end(),
                       [&](const tEntry& entry) { return keyPatternMatches(entry.pattern, stroke); });
}
