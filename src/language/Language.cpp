#include "language/Language.h"

#include "language/DictionaryLoading.h"
#include "language/LanguageReporter.h"
#include "language/LanguageState.h"

#include <atomic>
#include <mutex>
#include <shared_mutex>

namespace {

std::shared_mutex stateLock;
std::shared_ptr<const tLanguageState> current;
// Serialises switches, so a lazy first load and an explicit switch cannot interleave.
std::recursive_mutex switchLock;
std::vector<std::function<void()>> switchListeners;
std::atomic<tComparisonMode> comparison{tComparisonMode::upperCase};
std::atomic<bool> ansiOutputOn{false};
std::atomic<bool> anyLanguageLoaded{false};

std::shared_ptr<const tLanguageState> published()
{
    std::shared_lock lock(stateLock);
    return current;
}

std::string languageKey(std::string_view name)
{
    const std::string lower = lowerAscii(name);
    return lower.empty() || lower == "*" ? std::string("english") : lower;
}

}

std::shared_ptr<const tLanguageState> languageState()
{
    if (auto state = published())
        return state;
    switchLanguage("english");
    if (auto state = published())
        return state;
    reportFatalLanguageProblem("Internal error - Dictionary not initialised in getStr");
}

bool switchLanguage(std::string_view name, bool testOnly)
{
    const std::string wanted = languageKey(name);
    std::lock_guard switching(switchLock);
    if (const auto state = published(); state && state->name == wanted)
        return true;
    std::optional<TDTables> dictionary = loadLanguageDictionary(wanted);
    if (!dictionary)
        return false;
    if (testOnly)
        return true;

    auto state = std::make_shared<tLanguageState>();
    state->name = wanted;
    state->words = cacheWords(*dictionary);
    state->dictionary = std::move(*dictionary);
    {
        std::unique_lock lock(stateLock);
        current = state;
        comparison = state->words.comparison;
    }
    anyLanguageLoaded = true;
    resetNameCodes(state->words.comparison);
    for (const auto& listener : switchListeners)
        listener();
    return true;
}

std::string currentLanguage()
{
    return languageState()->name;
}

void onLanguageSwitched(std::function<void()> listener)
{
    std::lock_guard switching(switchLock);
    switchListeners.push_back(std::move(listener));
}

int compareWords(std::string_view a, std::string_view b)
{
    if (!anyLanguageLoaded.load(std::memory_order_acquire))
        languageState();
    return compareWordsIn(comparison.load(std::memory_order_relaxed), a, b);
}

void setAnsiOutput(bool on)
{
    ansiOutputOn = on;
}

bool ansiOutput()
{
    return ansiOutputOn;
}
