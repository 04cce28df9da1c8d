#include "language/Language.h"

#include "language/LanguageState.h"
#include "language/tcodetab.h"

#include <atomic>
#include <charconv>
#include <memory>
#include <mutex>
#include <shared_mutex>

namespace {

// The reader interns on every name it meets: lookups of known names share the lock,
// only a new name takes it exclusively.
std::shared_mutex tableLock;
std::unique_ptr<tcodetab> table;

// "#" followed by a 16-bit decimal number names an object by number and is never stored.
bool objectNumberCode(std::string_view text, NameCode& code)
{
    if (text.size() < 2 || text.size() > 6 || text.front() != '#')
        return false;
    unsigned number = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number > 0xFFFF)
        return false;
    code = kObjectNumberCodeBase + number;
    return true;
}

std::atomic<bool> tableReady{false};

// The table is made with the first language, so that it compares as that language does.
void ensureTable()
{
    if (!tableReady.load(std::memory_order_acquire))
        languageState();
}

// Neutral names are interned as the word they stand for; plain names (nearly all) are not copied.
template <class Lookup>
NameCode withResolvedName(std::string_view text, Lookup lookup)
{
    if (!text.empty() && text.front() == '\xB7')
        return lookup(resolveNeutralName(text));
    return lookup(text);
}

// 0 when the name has no code yet.
NameCode knownCode(std::string_view name)
{
    NameCode code;
    if (objectNumberCode(name, code))
        return code;
    ensureTable();
    std::shared_lock lock(tableLock);
    const tcoderec* rec = table->Find(name);
    return rec ? rec->code : 0;
}

NameCode internedCode(std::string_view name)
{
    if (const NameCode code = knownCode(name))
        return code;
    std::unique_lock lock(tableLock);
    if (const tcoderec* rec = table->Find(name))
        return rec->code;
    return table->Add(name).code;
}

}

void resetNameCodes(tComparisonMode mode)
{
    std::unique_lock lock(tableLock);
    table = std::make_unique<tcodetab>(mode);
    tableReady = true;
}

NameCode nameCode(std::string_view text)
{
    return withResolvedName(text, internedCode);
}

NameCode findCode(std::string_view text)
{
    return withResolvedName(text, knownCode);
}

std::string codeName(NameCode code)
{
    if (code >= kObjectNumberCodeBase && code - kObjectNumberCodeBase <= 0xFFFF)
        return "#" + std::to_string(code - kObjectNumberCodeBase);
    ensureTable();
    std::shared_lock lock(tableLock);
    const tcoderec* rec = tstringtab(*table).Find(code);
    return rec ? rec->text : std::string("<Unknown name>");
}

NameCode setterCode(std::string_view text)
{
    return nameCode(setterName(text));
}

std::vector<NameCode> nameCodes(std::string_view key)
{
    std::vector<NameCode> codes;
    for (const std::string& word : splitWords(getStr("dict", key, false)))
        codes.push_back(nameCode(word));
    return codes;
}
