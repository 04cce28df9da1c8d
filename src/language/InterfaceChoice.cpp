#include "language/InterfaceChoice.h"

#include "language/asciiText.h"
#include "language/tStartupParams.h"

const tInterfaceSlot& interfaceSlotFor(std::string_view language)
{
    std::string wanted = lowerAscii(language);
    if (wanted == "lithuaniannew")
        wanted = "lithuanian";
    for (const tInterfaceSlot& slot : kInterfaceSlots)
        if (slot.name == wanted)
            return slot;
    return kInterfaceSlots.front();
}

const tInterfaceSlot& chooseInterfaceSlot()
{
    try {
        if (const auto params = embeddedStartupParams())
            return interfaceSlotFor(params->interfaceLanguage);
    } catch (const eStreamError&) {
        // A program file that cannot be mapped has no parameters either.
    }
    return kInterfaceSlots.front();
}
