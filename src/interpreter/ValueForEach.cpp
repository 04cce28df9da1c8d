#include "interpreter/ValueForEach.h"

#include <string>

#include "interpreter/Evaluator.h"
#include "interpreter/tCompiledForm.h"
#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

// Runs the instructions once per item; `bind` stores item i into the loop variable's entry.
template <class Bind>
void runForEach(uint32_t name, tlogoobject* instructions, int count, Bind&& bind)
{
    tProcessContext* context = &requireContext();
    tLogoLocaltab& locals = *context->localTable;
    tLogoRef<tlogoobject> held(instructions);
    locals.AddLocal(name, nullptr);
    int32_t savedCounter = context->loopCounter;
    context->loopCounter = 0;
    try {
        for (int i = 0; i < count; ++i) {
            ++context->loopCounter;
            auto* entry = static_cast<tLogoVarDesc*>(locals.FindEntry(name));
            if (!entry) {
                locals.SetOrAddLocal(name, nullptr);
                entry = static_cast<tLogoVarDesc*>(locals.FindEntry(name));
            }
            bind(*entry, i);
            RunList(CompiledForm(instructions, tCompiledForm::kInstructions));
            if (context->exitRequested) break;
        }
    } catch (...) {
        context->loopCounter = savedCounter;
        locals.RemoveLocal(name);
        throw;
    }
    context->loopCounter = savedCounter;
    locals.RemoveLocal(name);
}

}  // namespace

void forEachListElement(tLogoList& list, uint32_t name, tlogoobject* instructions)
{
    tLogoRef<tlogoobject> held(&list);
    tLogoList* cell = &list;
    runForEach(name, instructions, list.Count(), [&](tLogoVarDesc& entry, int) {
        Assign(entry.value, cell->first);
        cell = cell->rest;
    });
}

tlogoobject* forEachValue(tlogoobject& receiver, tlogoobject* name, tlogoobject* instructions)
{
    if (receiver.IsList()) {
        forEachListElement(static_cast<tLogoList&>(receiver), name->NameCode(), instructions);
        return nullptr;
    }
    const std::string text = receiver.WordText();
    runForEach(name->NameCode(), instructions, static_cast<int>(text.size()), [&](tLogoVarDesc& entry, int i) {
        // The character word is reused while only the loop variable holds it; once the loop
        // body has kept it somewhere, the next character gets a word of its own.
        auto* word = dynamic_cast<tLogoString*>(entry.value);
        if (word && word->refCount == 1)
            word->SetText(std::string(1, text[i]));
        else
            Assign(entry.value, static_cast<tlogoobject*>(NewWord(std::string(1, text[i]))));
    });
    return nullptr;
}
