#include "interpreter/tLogoProcDesc.h"

#include <optional>
#include <utility>

#include "interpreter/ErrorLine.h"
#include "interpreter/Evaluator.h"
#include "interpreter/tCompiledForm.h"
#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "values/ProcedureText.h"
#include "values/eLogoException.h"
#include "values/eOutputException.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/tLogoTab.h"

tLogoProcDesc::tLogoProcDesc(uint32_t code, int32_t inputs, bool variable, std::vector<uint32_t> inputNames,
                             tlogoobject* body, std::string sourceText)
    : tProcDesc(code, inputs, 0, variable),
      sourceText(std::move(sourceText)),
      body(AddRef(body)),
      inputNames(std::move(inputNames))
{
    tailCallable = 1;
    tailCall = {&TailEntry, this};
    directCommand = {&DirectCommandEntry, this};
    directOperation = {&DirectOperationEntry, this};
}

tLogoProcDesc::~tLogoProcDesc() { Release(body); }

std::string tLogoProcDesc::DefinitionText()
{
    if (!sourceText.empty()) return sourceText;
    std::vector<std::string> names;
    for (uint32_t name : inputNames) names.push_back(codeName(name));
    std::optional<int> rest;
    if (variable) rest = inputs;
    return procedureDefinitionText(NameText(), names, rest, body);
}

tlogoobject* tLogoProcDesc::Body()
{
    tListBuilder names;
    for (uint32_t name : inputNames) names.Append(new tLogoString(codeName(name)));
    tListBuilder definition;
    if (variable) {
        tListBuilder rest;
        rest.Append(new tLogoInt(inputs));
        names.Append(rest.Take());
    }
    definition.Append(names.Take());
    if (body && body->IsList())
        definition.AppendAll(static_cast<tLogoList*>(body));
    else if (body)
        definition.Append(body);
    return definition.Take();
}

void tLogoProcDesc::TailEntry(void* self, tLogoStack& stack, int n)
{
    static_cast<tLogoProcDesc*>(self)->Run(stack, n, true);
}

void tLogoProcDesc::DirectCommandEntry(void* self, tLogoStack& stack, int n)
{
    auto* procedure = static_cast<tLogoProcDesc*>(self);
    procedure->directCall = 1;
    procedure->CallCommand(stack, n);
}

void tLogoProcDesc::DirectOperationEntry(void* self, tLogoStack& stack, int n)
{
    auto* procedure = static_cast<tLogoProcDesc*>(self);
    procedure->directCall = 1;
    procedure->CallOperation(stack, n);
}

void tLogoProcDesc::RecordErrorContext(eLogoException& error)
{
    // Procedures outside every table (temporary ones of "apply") name nothing.
    if (!table || !error.procedureName.empty()) return;
    int mode = templateBody ? tCompiledForm::kTemplateLines : tCompiledForm::kLines;
    int line = failingLine(DefinitionText(), CompiledForm(body, mode), error.positions,
                           requireContext().trailSources);
    error.SetContext(code, table->owner, line, ipProc);
}

void tLogoProcDesc::Run(tLogoStack& stack, int n, bool tail)
{
    tProcessContext& context = requireContext();
    bool direct = std::exchange(directCall, 0);
    BindInputs(context, n, tail);
    int height = stack.height();
    uint8_t savedTestState = context.testState;
    int savedProcLevel = context.procLevel;
    int savedRunDepth = context.runDepth;
    context.procLevel = context.foundLevel;
    // A directly called body is one run deeper, so it never leaves a tail call behind.
    context.runDepth = direct ? 1 : 0;
    context.testState = 2;
    ++running;
    ++context.procedureDepth;
    bool keepFrame = false;
    auto leave = [&] {
        --running;
        --context.procedureDepth;
        context.procLevel = savedProcLevel;
        context.runDepth = savedRunDepth;
        if (keepFrame) return;
        if (!tail) context.localTable->CloseFrame();
        context.testState = savedTestState;
    };
    try {
        RunList(CompiledForm(body, templateBody ? tCompiledForm::kTemplateLines : tCompiledForm::kLines));
        if (!context.exitRequested) {
            stack.push(nullptr);
        } else if (context.pendingCall.descriptor) {
            keepFrame = true;
            if (!tail) context.savedTestState = savedTestState;
        } else {
            stack.truncate(height);
            stack.push(context.outputValue.get());
            context.outputValue = nullptr;
            context.exitRequested = 0;
        }
    } catch (eOutputException& signal) {
        stack.truncate(height);
        stack.push(signal.value.get());
    } catch (eLogoException& error) {
        RecordErrorContext(error);
        leave();
        throw;
    } catch (...) {
        leave();
        throw;
    }
    leave();
}

tLogoProcDescF::tLogoProcDescF(uint32_t code, std::vector<uint32_t> inputNames, tlogoobject* body,
                               std::string sourceText)
    : tLogoProcDesc(code, 0, false, std::move(inputNames), body, std::move(sourceText))
{
    inputs = static_cast<int32_t>(this->inputNames.size());
}

void tLogoProcDescF::BindInputs(tProcessContext& context, int n, bool tail)
{
    if (n < inputs) throw eLogoException(erNotEnoughInputs, tNeedingProcedure{code});
    if (n > inputs) throw eLogoException(erTooManyInputs, tNeedingProcedure{code});
    if (tail)
        context.localTable->RebindFrame(inputNames.data(), n, context.stack);
    else
        context.localTable->OpenFrame(inputNames.data(), n, context.stack);
}

tLogoProcDescV::tLogoProcDescV(uint32_t code, uint32_t inputName, int32_t defaultCount, tlogoobject* body,
                               std::string sourceText)
    : tLogoProcDesc(code, defaultCount, true, {inputName}, body, std::move(sourceText))
{
}

void tLogoProcDescV::BindInputs(tProcessContext& context, int n, bool tail)
{
    context.stack.push(tLogoList::ListFromStack(context.stack, n));
    if (tail)
        context.localTable->RebindFrame(inputNames.data(), 1, context.stack);
    else
        context.localTable->OpenFrame(inputNames.data(), 1, context.stack);
}
