#include "platform/window/windowClosing.h"

#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/objectList.h"
#include "objects/tmultiobject.h"
#include "platform/window/interpreterHandOver.h"

namespace {

bool closePending = false;  // on the window thread

// The window object may have been erased since the window was built: it is used only while it
// is still in the object list.
bool stillLinked(const tmultiobject* wanted)
{
    for (tmultiobject* object = firstObject(); object; object = object->next)
        if (object == wanted) return true;
    return false;
}

}  // namespace

void requestWindowClose(tmultiobject* windowObject, std::function<void()> close)
{
    if (closePending) return;
    closePending = true;
    auto decide = [windowObject, close] {
        const uint32_t onErase = eventCode(tEventKey::onErase);
        if (windowObject && stillLinked(windowObject) && eventHandler(*windowObject, onErase)) {
            fireEvent(*windowObject, onErase, {[] { closePending = false; }, nullptr});
            return;
        }
        closePending = false;
        close();
    };
    if (!runUnderInterpreter("@close", decide)) {
        closePending = false;
        close();
    }
}
