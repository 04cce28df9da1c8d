#include "mainobj/system/tlogotable.h"

#include <algorithm>

#include "language/Language.h"

namespace {

bool isNoValue(tlogoobject* value) { return value->IsList() && value->IsEmpty(); }

// A pooled temporary goes back to its pool; the store keeps a copy of its own.
tlogoobject* kept(tlogoobject* value) { return value->pooled ? value->Clone() : value; }

}  // namespace

tlogoobject* tTableGroup::Find(std::string_view property) const
{
    for (const auto& [name, value] : pairs)
        if (sameWord(name, property)) return value.get();
    return nullptr;
}

void tTableGroup::Put(std::string_view property, tlogoobject* value)
{
    for (auto& [name, held] : pairs)
        if (sameWord(name, property)) {
            held = kept(value);
            return;
        }
    pairs.emplace_back(std::string(property), kept(value));
}

void tTableGroup::Remove(std::string_view property)
{
    std::erase_if(pairs, [&](const auto& pair) { return sameWord(pair.first, property); });
}

tTableGroup* tlogotable::Find(std::string_view group) const
{
    for (const auto& held : groups_)
        if (sameWord(held->name, group)) return held.get();
    return nullptr;
}

tlogoobject* tlogotable::Get(std::string_view group, std::string_view property) const
{
    const tTableGroup* found = Find(group);
    return found ? found->Find(property) : nullptr;
}

tTableGroup& tlogotable::Obtain(std::string_view group)
{
    if (tTableGroup* found = Find(group)) return *found;
    return *groups_.emplace_back(std::make_unique<tTableGroup>(group));
}

void tlogotable::DropIfEmpty(tTableGroup* group)
{
    if (group && group->pairs.empty())
        std::erase_if(groups_, [&](const auto& held) { return held.get() == group; });
}

void tlogotable::Put(std::string_view group, std::string_view property, tlogoobject* value)
{
    if (isNoValue(value)) {
        Remove(group, property);
        return;
    }
    Obtain(group).Put(property, value);
}

void tlogotable::Remove(std::string_view group, std::string_view property)
{
    tTableGroup* found = Find(group);
    if (!found) return;
    found->Remove(property);
    DropIfEmpty(found);
}

void tlogotable::Replace(std::string_view group, const std::vector<std::pair<std::string, tlogoobject*>>& pairs)
{
    tTableGroup& replaced = Obtain(group);
    replaced.pairs.clear();
    for (const auto& [property, value] : pairs)
        if (!isNoValue(value)) replaced.Put(property, value);
    DropIfEmpty(&replaced);
}
