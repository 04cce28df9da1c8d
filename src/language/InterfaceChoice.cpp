#include "language/InterfaceChoice.h"

#include "language/TDTables.h"

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
    return interfaceSlotFor("english");
}
