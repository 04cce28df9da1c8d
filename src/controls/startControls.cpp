#include "controls/startControls.h"

#include "controls/controlKinds.h"
#include "controls/tLogoControl.h"
#include "controls/tTextBoxOutput.h"
#include "controls/startTools.h"
#include "mainobj/textBoxOutput.h"
#include "objects/destructionHooks.h"

namespace {

void withdrawDestroyed(tmultiobject& object)
{
    if (auto* control = dynamic_cast<tLogoControl*>(&object)) control->Withdraw();
}

}  // namespace

void startControls()
{
    static bool started = false;
    registerControlKinds();
    if (started) return;
    started = true;
    addDestructionHook(&withdrawDestroyed);
    installTextBoxOutputs(&tTextBoxOutput::Open);
    startTools();
}
