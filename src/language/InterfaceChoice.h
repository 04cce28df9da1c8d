#pragma once

// The nine interface dictionaries built into the program and the choice among them from the
// start-up parameters embedded in the program file.

#include "language/tEmbeddedDirectory.h"

#include <array>
#include <string_view>

struct tInterfaceSlot {
    std::string_view name;
    std::string_view bitmapPrefix;   // resource-name prefix of the text-style button bitmaps
};

inline constexpr std::array<tInterfaceSlot, 9> kInterfaceSlots = {{
    {"english", ""},
    {"german", ""},
    {"french", ""},
    {"spanish", ""},
    {"italian", ""},
    {"polish", ""},
    {"czech", ""},
    {"slovenian", ""},
    {"lithuanian", ""},
}};

// The slot whose name matches `language` without regard to case ("lithuaniannew" counts as
// "lithuanian"); english when none does.
const tInterfaceSlot& interfaceSlotFor(std::string_view language);

// The slot named by the start-up parameters embedded in the program file; english without them.
const tInterfaceSlot& chooseInterfaceSlot();
const tInterfaceSlot& chooseInterfaceSlot(const tEmbeddedDirectory& program);
