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

const tInterfaceSlot& chooseInterfaceSlot(const tEmbeddedDirectory& program)
{
    const auto params = embeddedStartupParams(program);
    return params ? interfaceSlotFor(params->interfaceLanguage) : kInterfaceSlots.front();
}

const tInterfaceSlot& chooseInterfaceSlot()
{
    try {
        return chooseInterfaceSlot(tEmbeddedDirectory::Program());
    } catch (const eStreamError&) {
        // A program file that cannot be mapped has no parameters either.
        return kInterfaceSlots.front();
    }
}
