#include "mainobj/keyboard/keyMenuParsing.h"

#include "mainobj/keyboard/keyNames.h"
#include "values/eLogoException.h"

std::vector<tKeyMenuTable::tEntry> parseKeyMenu(tlogoobject* value, tmultiobject* object)
{
    if (!value || !value->IsList()) throw eLogoException(erExpectList, value);
    auto* menu = static_cast<tLogoList*>(value);
    std::vector<tKeyMenuTable::tEntry> entries;
    std::vector<tKeyStroke> pending;
    for (tLogoList* cell = menu; cell && cell->first; cell = cell->rest) {
        tlogoobject* element = cell->first;
        const bool last = !cell->rest || !cell->rest->first;
        if (element->IsWord()) {
            pending.push_back(keyWordPattern(element->WordText()));
            continue;
        }
        if (!element->IsList()) throw eLogoException(erBadStructure, menu);
        auto* list = static_cast<tLogoList*>(element);
        tLogoRef<tLogoList> code(list->IsEmpty() ? nullptr : list);
        if (!pending.empty()) {
            for (const tKeyStroke& pattern : pending) entries.push_back({pattern, object, code});
            pending.clear();
        } else if (!last) {
            throw eLogoException(erBadStructure, menu);
        } else if (code) {
            entries.push_back({{0, specialKey::kAnyStroke, 0, 0}, object, code});
        }
    }
    if (!pending.empty()) throw eLogoException(erBadStructure, menu);
    return entries;
}
