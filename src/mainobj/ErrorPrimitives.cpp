#include "mainobj/mainPrimitives.h"

#include "interpreter/CatchThrow.h"
#include "interpreter/Evaluator.h"
#include "interpreter/tCompiledForm.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// "catch" and "throw" over the interpreter's matching rules, and the error record that a catch
// of the "error" word keeps for "error".

namespace {

tlogoobject* catch_(tPrimitiveCall& call)
{
    tLogoRef<tlogoobject> value;
    tlogoobject* instructions = call[1];
    RunCatch(call[0], [&] {
        if (call.asOperation)
            value = EvaluateList(CompiledForm(instructions, tCompiledForm::kInstructions));
        else
            RunInstructions(instructions);
    });
    return handOver(value);
}

tlogoobject* throw_(tPrimitiveCall& call) { ThrowTag(call[0]); }

tlogoobject* emptyList() { return new tLogoList; }

// [key-number message needing-procedure culprit]; the empty list when nothing was caught.
tlogoobject* error(tPrimitiveCall&)
{
    const tCaughtError& caught = currentContext()->caughtError;
    if (!caught.caught) return emptyList();
    tListBuilder record;
    record.Append(NewInteger(caught.key));
    record.Append(NewLiteralWord(caught.message));
    record.Append(caught.needingProcedure.empty() ? emptyList() : NewLiteralWord(caught.needingProcedure));
    if (caught.culprit)
        record.Append(caught.culprit.get());
    else if (caught.culpritName)
        record.Append(NewLiteralWord(codeName(caught.culpritName)));
    else
        record.Append(emptyList());
    return record.Take();
}

tlogoobject* throwerror(tPrimitiveCall& call)
{
    auto key = static_cast<errorConst>(call[0]->AsIntegerIn(0, errrr));
    throw eLogoException(key, call[1]);
}

constexpr tPrimitiveRow kErrorRows[] = {
    {"catch", 2, kFixedInputs, &catch_},
    {"throw", 1, kFixedInputs, &throw_},
    {"error", 0, kFixedInputs, &error},
    {"throwerror", 2, kFixedInputs, &throwerror},
};

}  // namespace

void registerErrorPrimitives(tLogoTab& table) { registerPrimitives(table, kErrorRows); }
