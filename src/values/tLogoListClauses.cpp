#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"

namespace {

tLogoList* clause(tlogoobject* value, tlogoobject* action)
{
    tListBuilder pair;
    pair.Append(value);
    if (action)
        pair.Append(action);
    return pair.Take();
}

}  // namespace

// [1 2 [a] 3 [b] [c]] becomes [[1 [a]] [2 [a]] [3 [b]] [[c]]]: every value before an action
// list gets its own clause with that action, and a list left over at the end is the default.
tLogoList* tLogoList::ClauseForm()
{
    if (IsEmpty())
        return this;
    tListBuilder clauses;
    for (tLogoList* cell = this; cell; cell = cell->rest) {
        if (cell->first->IsList()) {
            clauses.Append(clause(cell->first, cell->rest ? cell->rest->first : nullptr));
            if (cell->rest)
                cell = cell->rest;
            continue;
        }
        tLogoList* action = cell->rest;
        while (action && !action->first->IsList())
            action = action->rest;
        if (!action)
            throw eLogoException(erBadStructure, this);
        for (; cell != action; cell = cell->rest)
            clauses.Append(clause(cell->first, action->first));
        cell = action;
    }
    return clauses.Take();
}
