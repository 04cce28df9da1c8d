#include "objects/lifecycleNames.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "language/Language.h"

namespace {

// The codes of one language. Every name lookup asks, so the question must cost no lock: a
// language switch publishes a new set and the old ones are kept (a few bytes per switch), since
// a lookup on another thread may still be reading one.
struct tLifecycleCodes {
    std::vector<uint32_t> codes;
    uint32_t low = UINT32_MAX;
    uint32_t high = 0;
};

std::mutex guard;
std::vector<std::unique_ptr<tLifecycleCodes>> sets;
std::atomic<const tLifecycleCodes*> current{nullptr};
bool listening = false;

const tLifecycleCodes* collect()
{
    std::lock_guard<std::mutex> hold(guard);
    if (const tLifecycleCodes* ready = current.load(std::memory_order_acquire)) return ready;
    if (!listening) {
        listening = true;
        // Name codes are renumbered when the language changes.
        onLanguageSwitched([] { current.store(nullptr, std::memory_order_release); });
    }
    auto set = std::make_unique<tLifecycleCodes>();
    for (const char* key : {"create", "destroy", "defaultaction"}) {
        std::vector<uint32_t> synonyms = nameCodes(key);
        set->codes.insert(set->codes.end(), synonyms.begin(), synonyms.end());
        set->codes.push_back(nameCode(key));
    }
    for (uint32_t code : set->codes) {
        set->low = std::min(set->low, code);
        set->high = std::max(set->high, code);
    }
    sets.push_back(std::move(set));
    current.store(sets.back().get(), std::memory_order_release);
    return sets.back().get();
}

}  // namespace

bool isLifecycleName(uint32_t code)
{
    const tLifecycleCodes* set = current.load(std::memory_order_acquire);
    if (!set) set = collect();
    if (code < set->low || code > set->high) return false;
    return std::find(set->codes.begin(), set->codes.end(), code) != set->codes.end();
}
