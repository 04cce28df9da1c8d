#include "values/tLogoVarTab.h"

#include <vector>

#include "values/eLogoException.h"
#include "values/objectContextHooks.h"
#include "values/tlogoobject.h"

tLogoVarTab::tLogoVarTab(tlogoobject* owner, const char* label, EntryMaker entryClass)
    : tLogoTab(owner, label), entryClass(entryClass)
{
}

void tLogoVarTab::FailErase(uint32_t code) { throw eLogoException(erNoVal, tCulpritName{code}); }

void tLogoVarTab::StoreInto(tLogoVarDesc& entry, tlogoobject* value)
{
    tHeldArgument held(value);
    if (entry.value && entry.value->TakeValueOf(value)) return;
    entry.Store(value);
}

bool tLogoVarTab::Define(uint32_t code, tlogoobject* value, uint8_t flags)
{
    if (auto* entry = static_cast<tLogoVarDesc*>(Lookup(code))) {
        entry->flags = static_cast<uint8_t>((entry->flags & ~kNotSavedUntilSet) | flags);
        StoreInto(*entry, value);
        return true;
    }
    PutEntry(entryClass(code, value, flags));
    return false;
}

bool tLogoVarTab::SetValue(uint32_t code, tlogoobject* value)
{
    if (auto* entry = static_cast<tLogoVarDesc*>(Lookup(code))) {
        entry->flags = static_cast<uint8_t>(entry->flags & ~kNotSavedUntilSet);
        StoreInto(*entry, value);
        return true;
    }
    tLogoVarDesc* entry = entryClass(code, value, 0);
    entry->valueKind = 1;
    PutEntry(entry);
    return false;
}

bool tLogoVarTab::SetIfDifferent(uint32_t code, tlogoobject* value)
{
    tHeldArgument held(value);
    tlogoobject* current = FindValue(code);
    // A computed variable hands out a fresh value that nothing else holds.
    tHeldArgument heldCurrent(current);
    if (current && current->EqualsExactly(value)) return false;
    Define(code, value, 0);
    return true;
}

tlogoobject* tLogoVarTab::FindValue(uint32_t code)
{
    auto* entry = static_cast<tLogoVarDesc*>(Lookup(code));
    if (!entry) return nullptr;
    return entry->value ? entry->value : entry->Value();
}

tlogoobject* tLogoVarTab::GetValue(uint32_t code)
{
    if (tlogoobject* value = FindValue(code)) return value;
    FailMissing(code);
    return nullptr;
}

tLogoEventTab::tLogoEventTab(tlogoobject* owner) : tLogoVarTab(owner, "EventsLabel", &MakeEntry<tlogoeventdesc>) {}

void tLogoEventTab::ForEachBody(BodyCallback callback, void* data)
{
    for (tTabDesc* entry = first; entry; entry = entry->next)
        if (tlogoobject* handler = static_cast<tLogoVarDesc*>(entry)->value) callback(data, handler->Compile(0), owner);
}

tLogoGlobalVarTab::tLogoGlobalVarTab(tlogoobject* owner)
    : tLogoVarTab(owner, "GlobalsLabel", &MakeEntry<tlogoglobalvardesc>)
{
}

tLogoObjectsTab::tLogoObjectsTab(tlogoobject* owner) : tLogoVarTab(owner, "ObjectsLabel", &MakeEntry<tlogoobjectdesc>)
{
}

bool tLogoObjectsTab::Define(uint32_t code, tlogoobject* value, uint8_t flags)
{
    const bool existed = Lookup(code) != nullptr;
    PutEntry(entryClass(code, value, flags));
    return existed;
}

void tLogoObjectsTab::EraseAll(uint32_t except)
{
    auto destroy = objectContextHooks().destroyObject;
    if (!destroy) {
        tLogoVarTab::EraseAll(except);
        return;
    }
    // Destroying an object takes its entry out of this table, so walk a snapshot.
    std::vector<tlogoobject*> doomed;
    for (tTabDesc* entry = first; entry; entry = entry->next)
        if (!(entry->flags & kSystemEntry) && entry->code != except)
            doomed.push_back(AddRef(static_cast<tLogoVarDesc*>(entry)->value));
    for (tlogoobject* object : doomed) {
        destroy(object);
        Release(object);
    }
}

tLogoPagesTab::tLogoPagesTab(tlogoobject* owner) : tLogoVarTab(owner, "PagesLabel") {}

int32_t tLogoPagesTab::PositionOf(uint32_t code)
{
    std::lock_guard<std::mutex> guard(tableListLock());
    int32_t position = 1;
    for (tTabDesc* entry = first; entry; entry = entry->next, ++position)
        if (entry->code == code) return position;
    return -1;
}

void tLogoPagesTab::MoveToPosition(uint32_t code, int32_t position)
{
    tTabDesc* moving = GetEntry(code);
    Unlink(moving);
    tTabDesc* before = nullptr;
    {
        std::lock_guard<std::mutex> guard(tableListLock());
        before = first;
        for (int32_t i = 1; before && i < position; ++i) before = before->next;
    }
    Link(moving, before);
}
