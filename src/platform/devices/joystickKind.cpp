#include "platform/devices/joystickKind.h"

#include "language/Language.h"
#include "mainobj/kindClassEntry.h"
#include "objects/destructionHooks.h"
#include "platform/devices/tLogoJoystick.h"
#include "values/tLogoRef.h"

namespace {

// An erased joystick stops reading at once, not only when the last reference to it goes.
void releaseDestroyed(tmultiobject& object)
{
    if (auto* joystick = dynamic_cast<tLogoJoystick*>(&object)) joystick->Release();
}

}  // namespace

void tjoystickPrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    instanceClass = &tLogoJoystick::Make;
    declareJoystickProperties(*this);
}

void registerJoystickKind()
{
    if (hasKindClass("joystick")) return;
    static const bool hooked = (addDestructionHook(&releaseDestroyed), true);
    (void)hooked;
    tLogoRef<tjoystickPrototype> kindClass(new tjoystickPrototype(nullptr, primaryWord("class", "joystick"), tmultiobject::kOnlyMain));
    enterKindClass(*kindClass, "joystick");
}
