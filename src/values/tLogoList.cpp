#include "values/tLogoList.h"

#include <vector>

#include "values/ListCellPool.h"
#include "values/eLogoException.h"
#include "values/logoRandom.h"
#include "values/strictOption.h"
#include "values/tListBuilder.h"
#include "values/tLogoTab.h"
#include "values/tLogoRef.h"
#include "values/tLogoStack.h"

namespace {

tLogoTab* listTable = nullptr;
tListEvaluator evaluator;

// An empty rest is not linked; one made just for this call (counted by nobody) is dropped
// here, so that Cons(x, new tLogoList) does not leak it.
tLogoList* asNonEmptyRest(tLogoList* rest)
{
    if (rest && rest->IsEmpty()) {
        Release(AddRef(rest));
        return nullptr;
    }
    return rest;
}

// A walk over a long list waits on memory at every cell. The cells of a list made in one go
// mostly lie at a steady distance from each other, so the cell a few steps ahead at that
// distance is fetched early. A wrong guess costs nothing: a prefetch never fails.
inline void prefetchAhead(const tLogoList* cell, const tLogoList* next)
{
    const intptr_t stride = reinterpret_cast<intptr_t>(next) - reinterpret_cast<intptr_t>(cell);
    __builtin_prefetch(reinterpret_cast<const char*>(reinterpret_cast<intptr_t>(next) + 8 * stride));
}

}  // namespace

// Every list points at this one table; no list may free it.
void setListMethodTable(tLogoTab* table)
{
    if (table)
        table->shared = 1;
    listTable = table;
}

tLogoTab* listMethodTable() { return listTable; }

void setListEvaluator(const tListEvaluator& newEvaluator) { evaluator = newEvaluator; }
const tListEvaluator& listEvaluator() { return evaluator; }

void* tLogoList::operator new(size_t) { return takeListCell(); }
void tLogoList::operator delete(void* block, size_t) { giveBackListCell(block); }

tLogoList::tLogoList() { AttachMethods(); }

tLogoList::tLogoList(tlogoobject* element, tLogoList* rest)
    : first(AddRef(element)), rest(static_cast<tLogoList*>(AddRef(asNonEmptyRest(rest))))
{
    AttachMethods();
}

tLogoList::~tLogoList()
{
    Release(first);
    Release(rest);
}

tLogoList* tLogoList::Cons(tlogoobject* element, tLogoList* rest) { return new tLogoList(element, rest); }

tLogoList* tLogoList::ListFromStack(tLogoStack& stack, int n)
{
    tListBuilder list;
    for (int k = n - 1; k >= 0; --k)
        list.Append(stack.peek(k));
    tLogoList* result = list.Take();
    stack.dropN(n);
    return result;
}

tLogoList* tLogoList::ListOfLists(tLogoStack& stack, int n)
{
    tListBuilder list;
    for (int k = n - 1; k >= 0; --k) {
        tlogoobject* entry = stack.peek(k);
        if (entry && entry->IsList() && !entry->IsEmpty())
            list.AppendAll(static_cast<tLogoList*>(entry));
        else
            list.Append(entry);
    }
    tLogoList* result = list.Take();
    stack.dropN(n);
    return result;
}

// Long lists are freed cell by cell in a loop: releasing the rest recursively would need one
// stack frame per element.
void tLogoList::Dispose()
{
    tLogoList* cell = this;
    while (cell) {
        tLogoList* next = cell->rest;
        prefetchAhead(cell, next);
        cell->rest = nullptr;
        delete cell;
        cell = next && --next->refCount < 1 ? next : nullptr;
    }
}

tlogoobject* tLogoList::Clone()
{
    tListBuilder copy;
    copy.AppendAll(this);
    tLogoList* result = copy.Take();
    tLogoList* last = result;
    while (last->rest)
        last = last->rest;
    lastCopy = last;
    return result;
}

tCompiledCode* tLogoList::Compile(int mode)
{
    if (compiled && compiledMode == mode)
        return compiled.get();
    if (!evaluator.compile)
        throw eLogoException(erInternExecute, this);
    compiled.reset(evaluator.compile(*this, mode));
    compiledMode = static_cast<uint8_t>(mode);
    return compiled.get();
}

bool tLogoList::Equals(tlogoobject* other)
{
    tHeldArgument hold(other);
    if (other == this)
        return true;
    if (!other || !other->IsList())
        return false;
    const tLogoList* a = this;
    const tLogoList* b = static_cast<tLogoList*>(other);
    while (a && b && a != b) {
        if (!a->first || !b->first)
            return !a->first && !b->first;
        if (!a->first->Equals(b->first))
            return false;
        a = a->rest;
        b = b->rest;
    }
    return a == b;
}

bool tLogoList::DiffersFrom(tlogoobject* other) { return !Equals(other); }

void tLogoList::AttachMethods() { methods = listTable; }

tProcDesc* tLogoList::LookupMethod(uint32_t code, int& level)
{
    AttachMethods();
    return tlogoobject::LookupMethod(code, level);
}

void tLogoList::ForEach(uint32_t name, tlogoobject* instructions)
{
    tHeldArgument hold(instructions);
    if (IsEmpty())
        return;
    if (!evaluator.forEach)
        throw eLogoException(erInternExecute, this);
    evaluator.forEach(*this, name, instructions);
}

namespace {

// The answer of an operation on the empty list: an error under "strict", else a new empty list.
tlogoobject* emptyListResult(tLogoList* list)
{
    if (strictLevel() > 0)
        throw eLogoException(erEmptyList, list);
    return new tLogoList;
}

}  // namespace

int32_t tLogoList::Count()
{
    int32_t n = 0;
    for ([[maybe_unused]] tlogoobject* element : elements(this))
        ++n;
    return n;
}

tlogoobject* tLogoList::First() { return IsEmpty() ? emptyListResult(this) : first; }

tlogoobject* tLogoList::ButFirst()
{
    if (IsEmpty())
        return emptyListResult(this);
    return rest ? static_cast<tlogoobject*>(rest) : new tLogoList;
}

tlogoobject* tLogoList::Last()
{
    if (IsEmpty())
        return emptyListResult(this);
    const tLogoList* cell = this;
    while (cell->rest)
        cell = cell->rest;
    return cell->first;
}

tlogoobject* tLogoList::ButLast()
{
    if (IsEmpty())
        return emptyListResult(this);
    tListBuilder list;
    for (const tLogoList* cell = this; cell->rest; cell = cell->rest)
        list.Append(cell->first);
    return list.Take();
}

tlogoobject* tLogoList::Pick()
{
    if (IsEmpty())
        return emptyListResult(this);
    return NthCell(randomInRange(1, Count()))->first;
}

tlogoobject* tLogoList::Shuffle()
{
    if (IsEmpty() || !rest)
        return this;
    std::vector<tlogoobject*> result;
    for (tlogoobject* element : elements(this))
        result.insert(result.begin() + randomInRange(0, static_cast<int32_t>(result.size())), element);
    tListBuilder list;
    for (tlogoobject* element : result)
        list.Append(element);
    return list.Take();
}

tlogoobject* tLogoList::Reverse()
{
    if (IsEmpty())
        return this;
    tLogoRef<tLogoList> reversed;
    for (tlogoobject* element : elements(this))
        reversed = Cons(element, reversed.get());
    return handOver(reversed);
}

tlogoobject* tLogoList::Fput(tlogoobject* element)
{
    tHeldArgument hold(element);
    return Cons(element, this);
}

// Growing a list with "lput" copies it at every step, so the copy is linked directly: each new
// cell is counted once by the cell before it.
tlogoobject* tLogoList::Lput(tlogoobject* element)
{
    tHeldArgument hold(element);
    tLogoRef<tLogoList> head(new tLogoList(IsEmpty() ? element : first));
    tLogoList* tail = head.get();
    if (!IsEmpty()) {
        for (const tLogoList* cell = rest; cell && cell->first; cell = cell->rest) {
            prefetchAhead(cell, cell->rest);
            tLogoList* copy = new tLogoList(cell->first);
            copy->refCount = 1;
            tail->rest = copy;
            tail = copy;
        }
        tLogoList* last = new tLogoList(element);
        last->refCount = 1;
        tail->rest = last;
    }
    return handOver(head);
}

bool tLogoList::LputInPlace(tlogoobject* element)
{
    if (refCount != 1)
        return false;
    tLogoList* last = this;
    for (; last->rest; last = last->rest) {
        prefetchAhead(last, last->rest);
        if (last->rest->refCount != 1)
            return false;
    }
    compiled.reset();
    if (IsEmpty())
        first = AddRef(element);
    else
        last->rest = static_cast<tLogoList*>(AddRef(new tLogoList(element)));
    return true;
}

bool tLogoList::IsMember(tlogoobject* element) { return Member(element) > 0; }

int32_t tLogoList::Member(tlogoobject* element)
{
    tHeldArgument hold(element);
    int32_t position = 0;
    for (tlogoobject* candidate : elements(this)) {
        ++position;
        if (candidate->Equals(element))
            return position;
    }
    return 0;
}

tlogoobject* tLogoList::FromMember(tlogoobject* element)
{
    tHeldArgument hold(element);
    for (tLogoList* cell = this; cell && cell->first; cell = cell->rest)
        if (cell->first->Equals(element))
            return cell;
    return new tLogoList;
}

tlogoobject* tLogoList::ButMember(tlogoobject* element)
{
    tHeldArgument hold(element);
    tListBuilder list;
    for (tlogoobject* candidate : elements(this))
        if (!candidate->Equals(element))
            list.Append(candidate);
    return list.Take();
}

bool tLogoList::Not()
{
    if (!evaluator.condition)
        throw eLogoException(erInternExecute, this);
    return !evaluator.condition(*this);
}
