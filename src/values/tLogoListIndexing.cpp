#include <cstdint>
#include <vector>

#include "values/eLogoException.h"
#include "values/strictOption.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoInt.h"
#include "values/valuePools.h"

namespace {

tLogoList* asList(tlogoobject* value) { return static_cast<tLogoList*>(value); }

// A [from count] pair; the list must have exactly two elements.
struct tRange {
    int32_t from;
    int32_t count;
};

tRange rangeOf(tlogoobject* index)
{
    tLogoList* pair = asList(index);
    if (pair->IsEmpty() || !pair->rest || pair->rest->rest)
        throw eLogoException(erExpectList2, index);
    return {pair->first->AsInteger(), pair->rest->first->AsInteger()};
}

// Copies the elements of the range into the result; from <= 0 shortens the range.
void appendRange(tListBuilder& result, tLogoList* list, tRange range)
{
    int32_t from = range.from;
    int64_t count = range.count;
    if (from <= 0) {
        count += static_cast<int64_t>(from) - 1;
        from = 1;
    }
    int32_t position = 0;
    for (tlogoobject* element : elements(list)) {
        if (++position < from)
            continue;
        if (count-- <= 0)
            break;
        result.Append(element);
    }
}

// Copies the list with the positions from..from+skip-1 replaced by the replacement elements;
// a list that ends before from gets them appended.
tlogoobject* spliced(tLogoList* list, int32_t from, int64_t skip, const tLogoList* replacement)
{
    tListBuilder result;
    int32_t position = 0;
    bool inserted = false;
    for (tLogoList* cell = list; cell && cell->first; cell = cell->rest) {
        ++position;
        if (position == from) {
            result.AppendAll(replacement);
            inserted = true;
        }
        if (position >= from && position - static_cast<int64_t>(from) < skip)
            continue;
        result.Append(cell->first);
    }
    if (!inserted)
        result.AppendAll(replacement);
    return result.Take();
}

std::vector<int32_t> pathOf(tlogoobject* path)
{
    if (path->IsNumber())
        return {path->AsInteger()};
    if (!path->IsList())
        throw eLogoException(erExpectList, path);
    std::vector<int32_t> steps;
    for (tlogoobject* step : elements(asList(path))) {
        if (!step->IsNumber())
            throw eLogoException(erBadStructure, path);
        steps.push_back(step->AsInteger());
    }
    return steps;
}

// The list with the element at the end of the path replaced, or none when the path leaves the
// nested lists (then nothing changes).
tlogoobject* replacedAlong(tLogoList* list, const std::vector<int32_t>& path, size_t depth,
                           tlogoobject* replacement)
{
    tLogoList* cell = list->CellAt(path[depth]);
    if (!cell)
        return nullptr;
    tlogoobject* element = replacement;
    if (depth + 1 < path.size()) {
        if (!cell->first->IsList())
            return nullptr;
        element = replacedAlong(asList(cell->first), path, depth + 1, replacement);
        if (!element)
            return nullptr;
    }
    tLogoRef<tlogoobject> hold(element);
    tListBuilder result;
    for (tLogoList* before = list; before != cell; before = before->rest)
        result.Append(before->first);
    result.Append(element);
    result.AppendShared(cell->rest);
    return result.Take();
}

}  // namespace

tLogoList* tLogoList::CellAt(int32_t k)
{
    if (k < 1 || IsEmpty())
        return nullptr;
    tLogoList* cell = this;
    int32_t position = 1;
    if (walkCell && walkPosition <= k) {
        cell = walkCell;
        position = walkPosition;
    }
    for (; cell && position < k; ++position)
        cell = cell->rest;
    if (!cell)
        return nullptr;
    walkCell = cell;
    walkPosition = k;
    return cell;
}

tLogoList* tLogoList::NthCell(int32_t k)
{
    if (IsEmpty())
        throw eLogoException(erEmptyList, this);
    if (tLogoList* cell = CellAt(k))
        return cell;
    throw eLogoException(erMinMax, 1, Count(), NewInteger(k));
}

tlogoobject* tLogoList::Item(tlogoobject* index)
{
    tHeldArgument hold(index);
    if (index->IsNumber()) {
        const int32_t i = index->AsInteger();
        if (tLogoList* cell = CellAt(i))
            return cell->first;
        if (strictLevel() > 0)
            return NthCell(i)->first;
        return new tLogoList;
    }
    if (!index->IsList())
        throw eLogoException(erExpectNumber, index);
    tLogoList* indexes = asList(index);
    tListBuilder result;
    if (indexes->IsEmpty())
        return result.Take();
    if (!indexes->first->IsList()) {
        if (!indexes->first->IsWord())
            throw eLogoException(erExpectList, index);
        appendRange(result, this, rangeOf(index));
        return result.Take();
    }
    for (tlogoobject* selector : elements(indexes)) {
        if (selector->IsList()) {
            appendRange(result, this, rangeOf(selector));
        } else if (selector->IsNumber()) {
            const int32_t i = selector->AsInteger();
            if (tLogoList* cell = CellAt(i))
                result.Append(cell->first);
            else if (strictLevel() > 0)
                NthCell(i);  // fails with the list's range
        } else {
            throw eLogoException(erExpectList, selector);
        }
    }
    return result.Take();
}

tlogoobject* tLogoList::ButItem(tlogoobject* index)
{
    tHeldArgument hold(index);
    if (index->IsNumber()) {
        tLogoList* left = NthCell(index->AsInteger());
        tListBuilder result;
        for (tLogoList* cell = this; cell != left; cell = cell->rest)
            result.Append(cell->first);
        result.AppendShared(left->rest);
        return result.Take();
    }
    if (!index->IsList())
        throw eLogoException(erExpectNumber, index);
    const tRange range = rangeOf(index);
    return spliced(this, range.from, range.from <= 0 ? 0 : range.count, nullptr);
}

tlogoobject* tLogoList::Replace(tlogoobject* index, tlogoobject* replacement)
{
    tHeldArgument holdIndex(index);
    tHeldArgument holdReplacement(replacement);
    if (index->IsNumber()) {
        const int32_t i = index->AsInteger();
        tLogoRef<tLogoList> single(new tLogoList(replacement));
        return spliced(this, i < 1 ? 1 : i, i <= 0 ? 0 : 1, single.get());
    }
    if (!index->IsList())
        throw eLogoException(erExpectNumber, index);
    const tRange range = rangeOf(index);
    if (!replacement->IsList())
        throw eLogoException(erExpectList, replacement);
    return spliced(this, range.from < 1 ? 1 : range.from, range.from <= 0 ? 0 : range.count,
                   asList(replacement));
}

tlogoobject* tLogoList::DeepItem(tlogoobject* path)
{
    tHeldArgument hold(path);
    tlogoobject* element = this;
    for (int32_t k : pathOf(path)) {
        tLogoList* cell = element->IsList() ? asList(element)->CellAt(k) : nullptr;
        if (!cell)
            return new tLogoList;
        element = cell->first;
    }
    return element;
}

tlogoobject* tLogoList::DeepReplace(tlogoobject* path, tlogoobject* replacement)
{
    tHeldArgument holdPath(path);
    tLogoRef<tlogoobject> held(replacement);
    const std::vector<int32_t> steps = pathOf(path);
    if (steps.empty())
        return handOver(held);
    tlogoobject* result = replacedAlong(this, steps, 0, replacement);
    return result ? result : this;
}
