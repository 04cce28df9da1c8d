#pragma once

#include <vector>

#include "mainobj/keyboard/tKeyStroke.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"
#include "objects/tmultiobject.h"

// Whether a stroke fits a key-menu pattern: the pattern number 3 fits every stroke; otherwise
// release, special number and modifiers must agree, and for a character key the character.
bool keyPatternMatches(const tKeyStroke& pattern, const tKeyStroke& stroke);

// The key menus of all objects: an object's entries follow each other in the order of its
// list, and objects follow each other in the order their key menus were last set. Each
// object's list is kept as given, for reading the property back.
//
// Changed and walked under the key lock and the interpreter lock (the lists are counted).
class tKeyMenuTable {
public:
    struct tEntry {
        tKeyStroke pattern;
        tmultiobject* object = nullptr;  // held by the object's menu below
        tLogoRef<tLogoList> list;        // none: the key is taken and starts nothing
    };

    // Replaces the object's entries by these, at the end; an empty `menu` leaves it without.
    void Set(tmultiobject* object, tLogoList* menu, std::vector<tEntry> entries);
    void Remove(tmultiobject* object);
    // The list the object's key menu was set to; none when it has none.
    tLogoList* Menu(const tmultiobject* object) const;

    bool Empty() const { return entries.empty(); }
    bool AnyMatches(const tKeyStroke& stroke) const;
    const std::vector<tEntry>& Entries() const { return entries; }

private:
    // Counted, so that an entry never outlives its object; destroying the object removes both.
    struct tMenu {
        tLogoRef<tmultiobject> object;
        tLogoRef<tLogoList> list;
    };

    std::vector<tEntry> entries;
    std::vector<tMenu> menus;
};
