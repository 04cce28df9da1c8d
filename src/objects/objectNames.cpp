#include "objects/objectNames.h"

#include <algorithm>
#include <string>

#include "interpreter/objectResolution.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "objects/activeToolButton.h"
#include "objects/objectList.h"
#include "objects/shownPage.h"
#include "objects/tControlObject.h"
#include "objects/tcontainerobject.h"
#include "values/eLogoException.h"

namespace {

tmultiobject* inObjectsTable(tmultiobject* object, uint32_t code)
{
    tLogoObjectsTab* table = object->Objects();
    tTabDesc* entry = table ? table->Lookup(code) : nullptr;
    return entry ? static_cast<tmultiobject*>(entry->Value()) : nullptr;
}

// The nearest object of a kind among the object and its places, walking outwards.
tmultiobject* outwardsTo(tmultiobject* from, bool (tmultiobject::*isKind)() const, errorConst none)
{
    for (tmultiobject* at = from; at; at = at->place)
        if ((at->*isKind)()) return at;
    throw eLogoException(none);
}

tmultiobject* specialObject(tmultiobject* from, uint32_t code)
{
    std::string word = codeName(code);
    if (isWord("dict", "receiver", word)) return from;
    if (isWord("class", "main", word)) return mainObject();
    if (isWord("dict", "myParent", word)) {
        if (!from->FirstParent()) throw eLogoException(erNoObject, tCulpritName{code});
        return from->FirstParent();
    }
    if (isWord("dict", "lastObject", word)) {
        tProcessContext* context = currentContext();
        if (!context || !context->lastCreated) throw eLogoException(erNoObjCreated);
        return static_cast<tmultiobject*>(context->lastCreated);
    }
    if (isWord("dict", "myPlace", word)) {
        if (!from->place) throw eLogoException(erNoMyplace);
        return from->place;
    }
    if (isWord("dict", "activeToolbutton", word)) {
        if (!activeToolButton()) throw eLogoException(erNoActiveToolbutton);
        return activeToolButton();
    }
    if (isWord("dict", "myWindow", word)) return outwardsTo(from, &tmultiobject::IsWindow, erNotInsideWin);
    if (isWord("dict", "myPage", word)) return outwardsTo(from, &tmultiobject::IsPage, erNotInsidePage);
    return nullptr;
}

// Typed lines run in the main object: a name it does not know may be one the learner sees on
// the shown page (its turtles and panes) or in that page's window (its pages).
tmultiobject* onShownPage(uint32_t code)
{
    tmultiobject* page = shownPage();
    if (!page) return nullptr;
    if (tmultiobject* found = inObjectsTable(page, code)) return found;
    return page->place ? inObjectsTable(page->place, code) : nullptr;
}

tlogoobject* findFrom(tlogoobject* from, uint32_t code)
{
    auto* object = dynamic_cast<tmultiobject*>(from);
    return object ? resolveObjectName(object, code) : nullptr;
}

std::string shownName(tlogoobject* object)
{
    if (auto* control = dynamic_cast<tControlObject*>(object)) return control->FullName();
    auto* named = dynamic_cast<tmultiobject*>(object);
    return named ? named->name : std::string();
}

}  // namespace

tmultiobject* resolveObjectName(tmultiobject* from, uint32_t code)
{
    if (code >= kObjectNumberCodeBase) {
        int32_t number = static_cast<int32_t>(code - kObjectNumberCodeBase);
        tmultiobject* numbered = numberedObject(number);
        if (!numbered) throw eLogoException(erMisspaced, std::string_view("#" + std::to_string(number)));
        return numbered;
    }
    if (tmultiobject* found = inObjectsTable(from, code)) return found;
    for (tmultiobject* ancestor : from->ancestors)
        if (tmultiobject* found = inObjectsTable(ancestor, code)) return found;
    if (tmultiobject* special = specialObject(from, code)) return special;
    return from == mainObject() ? onShownPage(code) : nullptr;
}

tmultiobject* resolveObjectPath(tmultiobject* from, std::string_view path)
{
    tmultiobject* at = from;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = std::min(path.find('\'', start), path.size());
        if (end > start) {
            at = resolveObjectName(at, nameCode(path.substr(start, end - start)));
            if (!at) return nullptr;
        }
        start = end + 1;
    }
    return at;
}

void installObjectResolution()
{
    setObjectResolution({&findFrom, &shownName, nullptr});
}
