#include "mainobj/primitiveTable.h"

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

}  // namespace

void registerPrimitives(tLogoTab& table, std::span<const tPrimitiveRow> rows)
{
    for (const tPrimitiveRow& row : rows) {
        uint8_t binding = (row.marks & kFullInputs) ? 1 : 0;
        for (const std::string& name : registrationNames(row.key)) {
            auto* descriptor = new tMainPasProcDescBF(nameCode(name), binding, row.inputs, &callRow,
                                                      const_cast<tPrimitiveRow*>(&row));
            descriptor->variable = (row.marks & kVariableInputs) ? 1 : 0;
            table.PutEntry(descriptor);
        }
    }
}
