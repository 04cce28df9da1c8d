#include "objects/objectEvents.h"

#include "interpreter/Evaluator.h"
#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "objects/eventNames.h"
#include "objects/tmultiobject.h"
#include "processes/programClosing.h"

namespace {

tlogoobject* runnable(tTabDesc* entry)
{
    tlogoobject* handler = entry ? static_cast<tLogoVarDesc*>(entry)->value : nullptr;
    return handler && !handler->IsEmpty() ? handler : nullptr;
}

void runHandler(tlogoobject* handler, tmultiobject& as)
{
    tProcessContext* context = currentContext();
    if (!context) return;
    // The handler may replace or erase its own event while it runs.
    tLogoRef<tlogoobject> held(handler);
    context->PushAskInto(&as);
    context->localTable->OpenFrame(nullptr, 0, context->stack);
    try {
        RunInstructions(held.get());
        FinishTopLevelRun(*context);
    } catch (...) {
        context->localTable->CloseFrame();
        context->PopAsk();
        throw;
    }
    context->localTable->CloseFrame();
    context->PopAsk();
}

}  // namespace

tlogoobject* eventHandler(tmultiobject& object, uint32_t event)
{
    return runnable(object.FindEventHandler(storedEventCode(event)));
}

std::shared_ptr<tLogoprocess> fireEvent(tmultiobject& object, uint32_t event, tCompletion completion)
{
    if (programClosing()) return nullptr;
    const uint32_t code = storedEventCode(event);
    tlogoobject* handler = eventHandler(object, code);
    if (!handler) {
        if (completion.routine) completion.routine();
        return nullptr;
    }
    tProcessStart start;
    start.name = "@" + object.name + codeName(code);
    start.kind = ipEvent;
    start.trigger = code;
    start.code = handler;
    start.startObject = &object;
    start.openFrame = true;
    start.completion = std::move(completion);
    return tLogoprocess::Start<tLogoprocess>(std::move(start));
}

void fireEventAndWait(tmultiobject& object, uint32_t event)
{
    if (std::shared_ptr<tLogoprocess> process = fireEvent(object, event)) process->AwaitAsHandler();
}

void runEventInPlace(tmultiobject& object, uint32_t event, tmultiobject& as)
{
    if (tlogoobject* handler = eventHandler(object, event)) runHandler(handler, as);
}

void runCreateHandlers(tmultiobject& object)
{
    const uint32_t code = eventCode(tEventKey::onCreate);
    // A handler may change the chain (adding a behaviour): walk the chain as it was.
    std::vector<tLogoTab*> chain = object.eventChain;
    for (auto table = chain.rbegin(); table != chain.rend(); ++table)
        if (tlogoobject* handler = runnable((*table)->Lookup(code))) runHandler(handler, object);
}
