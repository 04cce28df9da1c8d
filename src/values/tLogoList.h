#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "values/tCompiledCode.h"
#include "values/tLogoRef.h"
#include "values/tlogoobject.h"

class tLogoStack;
class tLogoTab;

// A Logo list is its first cell: the element and the counted rest of the chain. The empty list
// is a cell with neither; a cell with an element and no rest ends the list. Lists are immutable
// by convention, so tails are shared ("butfirst", "fput", "frommember") instead of copied, and
// the compiled form of an instruction list is cached in its first cell.
// Cells come from a pool of recycled blocks (ListCellPool.h).
class tLogoList final : public tlogoobject {
public:
    tLogoList();                                    // the empty list
    explicit tLogoList(tlogoobject* element, tLogoList* rest = nullptr);
    ~tLogoList() override;

    static void* operator new(size_t size);
    static void operator delete(void* block, size_t size);

    // A new cell holding element before rest; an empty rest makes a one-element list.
    static tLogoList* Cons(tlogoobject* element, tLogoList* rest);
    // The top n stack entries in stack order (the deepest first); they are removed.
    static tLogoList* ListFromStack(tLogoStack& stack, int n);
    // Pops n entries; non-empty lists among them are spliced in element by element.
    static tLogoList* ListOfLists(tLogoStack& stack, int n);

    // Common operations.
    void Dispose() override;
    tlogoobject* Clone() override;
    bool IsList() const override { return true; }
    std::string PrintText(int mode) override;
    std::string SourceText(int mode) override;
    tCompiledCode* Compile(int mode) override;
    bool IsEmpty() override { return first == nullptr; }
    bool Equals(tlogoobject* other) override;
    bool DiffersFrom(tlogoobject* other) override;
    void AttachMethods() override;
    // Always the current list table: a language switch builds new tables for the new codes.
    tProcDesc* LookupMethod(uint32_t code, int& level) override;
    void ForEach(uint32_t name, tlogoobject* instructions) override;
    const char* ClassName() const override { return "tLogoList"; }

    // Element access (1-based). Results are shared elements, shared tails or new lists with
    // count 0; on the empty list they fail erEmptyList under "strict", else give a new empty list.
    int32_t Count();
    tlogoobject* First();
    tlogoobject* ButFirst();
    tlogoobject* Last();
    tlogoobject* ButLast();
    tlogoobject* Pick();
    tlogoobject* Shuffle();
    tlogoobject* Reverse();
    tlogoobject* Fput(tlogoobject* element);
    tlogoobject* Lput(tlogoobject* element);
    // "lput" without a copy, for a caller that replaces the list's one holder with the result
    // before anything else runs: appends in place when the list is held once and no cell of it
    // by anyone but the cell before; false, with nothing changed, otherwise.
    bool LputInPlace(tlogoobject* element);
    bool IsMember(tlogoobject* element);
    int32_t Member(tlogoobject* element);
    tlogoobject* FromMember(tlogoobject* element);
    tlogoobject* ButMember(tlogoobject* element);
    tlogoobject* Sort();

    // The cell at position k: erEmptyList on the empty list, erMinMax (1, count) out of range.
    tLogoList* NthCell(int32_t k);
    // The cell at position k, or none when there is no such position.
    tLogoList* CellAt(int32_t k);
    tlogoobject* Item(tlogoobject* index);
    tlogoobject* ButItem(tlogoobject* index);
    tlogoobject* Replace(tlogoobject* index, tlogoobject* replacement);
    tlogoobject* DeepItem(tlogoobject* path);
    tlogoobject* DeepReplace(tlogoobject* path, tlogoobject* replacement);

    // "!" and "!2": a copy with ":name" words and "( ... )" groups replaced by their values.
    tlogoobject* Substitute();
    tlogoobject* SubstituteEven();
    // The list as a condition, negated.
    bool Not();
    // Case-selection clauses: [[value action] ... [default]]; erBadStructure when a value has no
    // action list after it.
    tLogoList* ClauseForm();

    // Vectors and point lists.
    tlogoobject* Add(tlogoobject* other);
    tlogoobject* Subtract(tlogoobject* other);
    tlogoobject* Multiply(tlogoobject* other);
    tlogoobject* Divide(tlogoobject* other);
    // "difference": like "-", and also a numeric vector minus a number.
    tlogoobject* Difference(tlogoobject* other);
    tlogoobject* Div(tlogoobject* other);
    tlogoobject* Mod(tlogoobject* other);
    tlogoobject* Negate();
    tlogoobject* UnaryPlus();
    tlogoobject* Random();
    tlogoobject* Int();
    tlogoobject* Round();
    tlogoobject* Abs();
    tlogoobject* VectorAngle(tlogoobject* other);
    tlogoobject* Rotate(tlogoobject* degrees);
    tlogoobject* RandomPos();
    tlogoobject* Spline();

    // The print form of a list of lines (a procedure body): each line, then a line break.
    std::string LinesPrintText();

    tlogoobject* first = nullptr;   // counted
    tLogoList* rest = nullptr;      // counted
    tLogoList* lastCopy = nullptr;  // not counted: the last cell of the latest Clone
    std::unique_ptr<tCompiledCode> compiled;
    uint8_t compiledMode = 0;
    // Not counted: where the latest lookup by position stopped (a cell of this chain, which
    // never changes once built), so stepping through a list by rising positions does not walk
    // from the front every time.
    int32_t walkPosition = 0;
    tLogoList* walkCell = nullptr;
};

// Walks the elements of a list: for (tlogoobject* x : elements(list)) ...
class tListElements {
public:
    class iterator {
    public:
        explicit iterator(const tLogoList* cell) : cell_(cell && cell->first ? cell : nullptr) {}
        tlogoobject* operator*() const { return cell_->first; }
        iterator& operator++()
        {
            cell_ = cell_->rest && cell_->rest->first ? cell_->rest : nullptr;
            return *this;
        }
        bool operator!=(const iterator& other) const { return cell_ != other.cell_; }

    private:
        const tLogoList* cell_;
    };
    explicit tListElements(const tLogoList* list) : list_(list) {}
    iterator begin() const { return iterator(list_); }
    iterator end() const { return iterator(nullptr); }

private:
    const tLogoList* list_;
};
inline tListElements elements(const tLogoList* list) { return tListElements(list); }

// Hands a held value out as results are handed out: the holder's count is taken back without
// disposing, so a value nothing else holds leaves with count 0.
template <class T>
T* handOver(tLogoRef<T>& held)
{
    T* value = held.release();
    Unhold(value);
    return value;
}

// The shared method table of every list, built by the interpreter at start-up.
void setListMethodTable(tLogoTab* table);
tLogoTab* listMethodTable();

// What lists need from the evaluator, installed by the interpreter at start-up. Until then the
// operations that need it fail erInternExecute.
struct tListEvaluator {
    // Compiles the list in the given mode; the list owns the result.
    tCompiledCode* (*compile)(tLogoList& list, int mode) = nullptr;
    // Evaluates a word or list as exactly one expression; the caller owns one count.
    tlogoobject* (*evaluate)(tlogoobject& expression) = nullptr;
    // Evaluates the list as a condition.
    bool (*condition)(tLogoList& list) = nullptr;
    // Runs instructions once per element with the local variable name bound to it.
    void (*forEach)(tLogoList& list, uint32_t name, tlogoobject* instructions) = nullptr;
};
void setListEvaluator(const tListEvaluator& evaluator);
const tListEvaluator& listEvaluator();
