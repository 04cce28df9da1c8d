#include "objects/lifecycleNames.h"

#include <algorithm>
#include <vector>

#include "objects/perLanguageCache.h"

namespace {

struct tLifecycleCodes {
    std::vector<uint32_t> codes;
    uint32_t low = UINT32_MAX;
    uint32_t high = 0;
};

tLifecycleCodes collect()
{
    tLifecycleCodes set;
    for (const char* key : {"create", "destroy", "defaultaction"}) {
        std::vector<uint32_t> synonyms = nameCodes(key);
        set.codes.insert(set.codes.end(), synonyms.begin(), synonyms.end());
        set.codes.push_back(nameCode(key));
    }
    for (uint32_t code : set.codes) {
        set.low = std::min(set.low, code);
        set.high = std::max(set.high, code);
    }
    return set;
}

// Never destroyed: process threads may still look names up while the program exits.
tPerLanguageCache<tLifecycleCodes>& lifecycleCodes()
{
    static auto* cache = new tPerLanguageCache<tLifecycleCodes>(&collect);
    return *cache;
}

}  // namespace

bool isLifecycleName(uint32_t code)
{
    // Every name lookup asks: most codes are out of range at once.
    const tLifecycleCodes& set = lifecycleCodes().Get();
    if (code < set.low || code > set.high) return false;
    return std::find(set.codes.begin(), set.codes.end(), code) != set.codes.end();
}
