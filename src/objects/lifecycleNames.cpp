#include "objects/lifecycleNames.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "language/Language.h"

namespace {

std::mutex guard;
std::vector<uint32_t> codes;
bool known = false;
bool listening = false;

void collect()
{
    codes.clear();
    for (const char* key : {"create", "destroy", "defaultaction"}) {
        std::vector<uint32_t> synonyms = nameCodes(key);
        codes.insert(codes.end(), synonyms.begin(), synonyms.end());
        codes.push_back(nameCode(key));
    }
    known = true;
}

}  // namespace

bool isLifecycleName(uint32_t code)
{
    std::lock_guard<std::mutex> hold(guard);
    if (!listening) {
        listening = true;
        // Name codes are renumbered when the language changes.
        onLanguageSwitched([] {
            std::lock_guard<std::mutex> again(guard);
            known = false;
        });
    }
    if (!known) collect();
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}
