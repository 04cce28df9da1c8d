#include "mainobj/primitiveTable.h"

#include "mainobj/literalPrimitives.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/registration.h"
#include "values/tMainPasProcDesc.h"

namespace {

tlogoobject* callRow(void* data, tLogoStack& stack, int n, int asOperation)
{
    tlogoobject* result;
    {
        tPrimitiveCall call(stack, n, asOperation != 0);
        // The result may be one of the inputs the call is about to let go of.
        result = AddRef(static_cast<const tPrimitiveRow*>(data)->routine(call));
    }
    Unhold(result);
    return result;
}

void registerRow(tLogoTab& table, const tPrimitiveRow& row, std::string_view name)
{
    uint8_t binding = (row.marks & kFullInputs) ? 1 : 0;
    auto* descriptor = new tMainPasProcDescBF(nameCode(name), binding, row.inputs, &callRow, const_cast<tPrimitiveRow*>(&row));
    descriptor->variable = (row.marks & kVariableInputs) ? 1 : 0;
    table.PutEntry(descriptor);
}

}  // namespace

void registerPrimitives(tLogoTab& table, std::span<const tPrimitiveRow> rows)
{
    for (const tPrimitiveRow& row : rows)
        for (const std::string& name : registrationNames(row.key)) registerRow(table, row, name);
}

void registerLiteralPrimitives(tLogoTab& table, std::span<const tPrimitiveRow> rows)
{
    for (const tPrimitiveRow& row : rows) registerRow(table, row, row.key);
}
