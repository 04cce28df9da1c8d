#pragma once

#include <cstddef>
#include <cstdint>

#include "values/tLogoTab.h"

class tlogoobject;
class tProcDesc;

// Remembers what plain names resolved to in an object's lookup chain, so that a loop does not
// walk the chain for every name it runs. Every answer is dropped as soon as any name table
// changes (values/tLogoTab.h nameTablesGeneration), so a cached answer is always the one a
// fresh lookup would give. Each thread has a cache of its own.
struct tCachedResolution {
    tProcDesc* descriptor;
    int level;
};

namespace resolutionCacheDetail {

constexpr size_t kSlots = 512;  // a power of two

struct tSlot {
    uint64_t generation = 0;  // 0: empty (the generation count starts at 1)
    tlogoobject* object = nullptr;
    tLogoTab* privateTable = nullptr;
    uint32_t code = 0;
    tCachedResolution answer{};
};

inline constinit thread_local tSlot slots[kSlots];

inline tSlot& slotOf(tlogoobject* object, uint32_t code)
{
    const auto address = reinterpret_cast<uintptr_t>(object) >> 4;
    return slots[(static_cast<size_t>(code) * 0x9E3779B1u ^ address) & (kSlots - 1)];
}

}  // namespace resolutionCacheDetail

// True with the remembered answer for the code in this object, seen with this private table.
inline bool findCachedResolution(tlogoobject* object, tLogoTab* privateTable, uint32_t code, tCachedResolution& found)
{
    const resolutionCacheDetail::tSlot& slot = resolutionCacheDetail::slotOf(object, code);
    if (slot.generation != nameTablesGeneration() || slot.code != code || slot.object != object ||
        slot.privateTable != privateTable)
        return false;
    found = slot.answer;
    return true;
}

void rememberResolution(tlogoobject* object, tLogoTab* privateTable, uint32_t code, tCachedResolution answer);
