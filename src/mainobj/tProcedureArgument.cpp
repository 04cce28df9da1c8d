#include "mainobj/tProcedureArgument.h"

#include <vector>

#include "interpreter/ProcedureDefinition.h"
#include "interpreter/tLogoProcDesc.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoStack.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

std::vector<uint32_t> templateInputNames(int inputs)
{
    if (inputs == 1) return {nameCode("%")};
    std::vector<uint32_t> names;
    for (int i = 1; i <= inputs; ++i) names.push_back(nameCode("%" + std::to_string(i)));
    return names;
}

}  // namespace

tProcedureArgument::tProcedureArgument(tlogoobject* argument, int inputs, tForm form, const char* primitive,
                                       int depth)
    : argument_(argument)
{
    tProcessContext& context = *currentContext();
    if (argument->IsWord()) {
        procedure = context.currentObject->FindMethod(argument->NameCode(), level_);
        return;
    }
    if (!argument->IsList() || argument->IsEmpty()) throw eLogoException(erExpectWord, argument);
    auto* list = static_cast<tLogoList*>(argument);
    bool definition = list->first->IsList();
    uint32_t name = nameCode(std::string(primitive) + (definition ? ".define" : ".template") + std::to_string(depth));
    if (definition) {
        temporary_ = BuildProcedure(name, argument);
    } else {
        tLogoRef<tlogoobject> line(list);
        if (form == kOperationForm) line = tLogoList::Cons(NewWord(primaryName("output")), list);
        temporary_ = BuildTemplateProcedure(name, templateInputNames(inputs), line.get());
    }
    procedure = temporary_.get();
}

tProcedureArgument::~tProcedureArgument() = default;

std::string tProcedureArgument::ArgumentText() const { return argument_->PrintText(1); }

void tProcedureArgument::CheckArity(int inputs, bool exactlyOne) const
{
    if (procedure->variable) return;
    if (exactlyOne) {
        if (procedure->inputs != 1) throw eLogoException(erExpectBadProc, std::string_view(ArgumentText()));
        return;
    }
    if (inputs < procedure->inputs) throw eLogoException(erNotEnoughInputs, std::string_view(ArgumentText()));
    if (inputs > procedure->inputs) throw eLogoException(erTooManyInputs, std::string_view(ArgumentText()));
}

tLogoRef<tlogoobject> tProcedureArgument::Call(int n, bool asOperation)
{
    tProcessContext& context = *currentContext();
    context.foundLevel = level_;
    // The direct entries run the body to its end here instead of leaving a tail call behind.
    if (asOperation)
        procedure->CallDirectOperation(context.stack, n);
    else
        procedure->CallDirectCommand(context.stack, n);
    auto result = tLogoRef<tlogoobject>::adopt(context.stack.popRaw());
    if (asOperation && !result) throw eLogoException(erDidNotReport, tCulpritName{procedure->code});
    return result;
}
