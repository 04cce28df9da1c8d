#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"

namespace {

bool isWordText(tlogoobject* element, const char* text)
{
    return element->IsWord() && element->WordText() == text;
}

bool isVariableReference(tlogoobject* element)
{
    return element->IsWord() && !element->IsNumber() && element->WordText().starts_with(':');
}

tLogoRef<tlogoobject> evaluated(tlogoobject& expression)
{
    if (!listEvaluator().evaluate)
        throw eLogoException(erInternExecute, &expression);
    return tLogoRef<tlogoobject>::adopt(listEvaluator().evaluate(expression));
}

// The parenthesised group that starts at cell, up to its matching ")" (or the end of the list,
// where the evaluator reports the missing parenthesis); cell moves to the group's last cell.
tLogoRef<tLogoList> parenthesisedGroup(tLogoList*& cell)
{
    tListBuilder group;
    int depth = 0;
    for (;;) {
        group.Append(cell->first);
        if (isWordText(cell->first, "("))
            ++depth;
        else if (isWordText(cell->first, ")"))
            --depth;
        if (depth == 0 || !cell->rest)
            break;
        cell = cell->rest;
    }
    return group.Take();
}

// Copies the list, replacing ":name" words and "( ... )" groups by their values; with evenOnly
// only the elements at even positions are replaced (property lists [name value ...]) and nested
// lists are kept as they are.
tlogoobject* substituted(tLogoList* list, bool evenOnly)
{
    if (list->IsEmpty())
        return list;
    tListBuilder copy;
    int position = 0;
    for (tLogoList* cell = list; cell; cell = cell->rest) {
        tlogoobject* element = cell->first;
        ++position;
        if (evenOnly && position % 2 != 0) {
            copy.Append(element);
        } else if (isVariableReference(element)) {
            copy.Append(evaluated(*element).get());
        } else if (isWordText(element, "(")) {
            tLogoRef<tLogoList> group = parenthesisedGroup(cell);
            copy.Append(evaluated(*group).get());
        } else if (element->IsList() && !evenOnly) {
            tLogoRef<tlogoobject> inner(substituted(static_cast<tLogoList*>(element), false));
            copy.Append(inner.get());
        } else {
            copy.Append(element);
        }
    }
    return copy.Take();
}

}  // namespace

tlogoobject* tLogoList::Substitute() { return substituted(this, false); }

tlogoobject* tLogoList::SubstituteEven() { return substituted(this, true); }
