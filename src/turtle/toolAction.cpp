#include "turtle/toolAction.h"

#include "language/Language.h"
#include "objects/activeToolButton.h"
#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/objectProperties.h"
#include "objects/objectVariables.h"
#include "objects/tmultiobject.h"
#include "processes/programClosing.h"
#include "values/eLogoException.h"
#include "values/tLogoRef.h"

namespace {

constexpr int32_t kOneShot = 22;

// A variable the object does not have, or one that is no condition, accepts nothing.
bool trueVariable(tmultiobject& object, uint32_t code)
{
    if (!object.FindVariable(code)) return false;
    try {
        tLogoRef<tlogoobject> value(objectVariableValue(object, code));
        return value->AsBoolean();
    } catch (const eLogoException&) {
        return false;
    }
}

bool acceptsTools(tmultiobject& object) { return trueVariable(object, nameCode(primaryWord("name", "acceptsTools"))); }

// A one-shot tool comes up after its action, unless the action chose another tool meanwhile.
void raiseOneShot(tmultiobject& tool)
{
    if (activeToolButton() != &tool) return;
    if (trueVariable(tool, propertyNames(kOneShot).getterCode)) setActiveToolButton(nullptr);
}

class tToolActionProcess : public tLogoprocess {
public:
    tToolActionProcess(tProcessStart start, tmultiobject* tool) : tLogoprocess(std::move(start)), tool_(tool) {}

    void GuardedRun() override
    {
        tLogoprocess::GuardedRun();
        if (tool_) raiseOneShot(*tool_);
        tool_ = nullptr;
    }
    void ReleaseLogoValues() override { tool_ = nullptr; }

private:
    tLogoRef<tmultiobject> tool_;
};

}  // namespace

bool startToolAction(tmultiobject& pressed, tCompletion completion)
{
    tmultiobject* tool = activeToolButton();
    if (!tool || !acceptsTools(pressed)) return false;
    const uint32_t onTool = eventCode(tEventKey::onTool);
    tlogoobject* handler = eventHandler(*tool, onTool);
    if (!handler || programClosing()) {
        raiseOneShot(*tool);
        if (completion.routine) completion.routine();
        return true;
    }
    tProcessStart start;
    start.name = "@toolaction";
    start.kind = ipEvent;
    start.trigger = onTool;
    start.code = handler;
    start.startObject = &pressed;
    start.openFrame = true;
    start.completion = std::move(completion);
    tLogoprocess::Start<tToolActionProcess>(std::move(start), tool);
    return true;
}
