#include "mainobj/system/systemPrimitives.h"

#include "mainobj/primitiveTable.h"
#include "mainobj/system/workspaceNames.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/currentObject.h"
#include "values/eLogoException.h"
#include "values/tProcDesc.h"

// Showing and erasing user procedures by name.

namespace {

tProcDesc& procedureNamed(tlogoobject* name, const std::vector<tLogoTab*>& tables)
{
    if (!name->IsWord()) throw eLogoException(erExpectWord, name);
    const uint32_t code = name->NameCode();
    for (tLogoTab* table : tables)
        if (tTabDesc* entry = table->Lookup(code)) return static_cast<tProcDesc&>(*entry);
    throw eLogoException(erDoNotKnowHowTo, name);
}

// The definitions of the procedures as this object sees them; primitives have none to show.
void printDefinition(tlogoobject* name)
{
    tProcDesc& procedure = procedureNamed(name, currentObject().procChain);
    if (!isUserProcedure(procedure)) return;
    std::string text = procedure.DefinitionText();
    if (text.empty() || text.back() != '\n') text += "\r\n";
    mainLogoObject().Write(text);
}

// Only the object's own user procedures can be erased; a built-in one stays.
void eraseProcedure(tlogoobject* name)
{
    tmultiobject& here = currentObject();
    tProcDesc& procedure = procedureNamed(name, {here.procTable.get()});
    if (!isUserProcedure(procedure)) throw eLogoException(erCannotEraseProcIsPrim, name);
    if (!procedure.IsAvailable(true)) throw eLogoException(erCannotEraseProcIsRunning, name);
    here.EraseProcedure(procedure.code);
}

tlogoobject* po(tPrimitiveCall& call)
{
    forEachName(call[0], &printDefinition);
    return nullptr;
}

tlogoobject* erase(tPrimitiveCall& call)
{
    forEachName(call[0], &eraseProcedure);
    return nullptr;
}

constexpr tPrimitiveRow kProcedureWorkspaceRows[] = {
    {"po", 1, kFixedInputs, &po},
    {"erase", 1, kFixedInputs, &erase},
};

}  // namespace

void registerProcedureWorkspacePrimitives(tLogoTab& table) { registerPrimitives(table, kProcedureWorkspaceRows); }
