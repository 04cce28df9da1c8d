#include "values/tLogoTab.h"

#include <algorithm>
#include <cstring>
#include <ostream>

#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/tProcDesc.h"
#include "values/tlogoobject.h"

std::mutex& tableListLock()
{
    static std::mutex lock;
    return lock;
}

tLogoTab::tLogoTab(tlogoobject* owner, const char* label) : label(label), owner(owner) {}

tLogoTab::~tLogoTab()
{
    noteNameTablesChanged();
    if (entries)
        for (int64_t i = 0; i <= static_cast<int64_t>(high) - low; ++i)
            if (entries[i]) RemoveAt(static_cast<int32_t>(i));
    delete[] entries;
}

bool tLogoTab::Contains(uint32_t code, int32_t& index) const
{
    const int64_t relative = static_cast<int64_t>(code) - low;
    if (code == 0 || !entries || relative < 0 || relative > static_cast<int64_t>(high) - low) return false;
    index = static_cast<int32_t>(relative);
    return entries[relative] != nullptr;
}

void tLogoTab::GrowFor(uint32_t code)
{
    if (code < 1 || code > static_cast<uint32_t>(INT32_MAX)) throw eLogoException(erInternLogoTab, tCulpritName{code});
    const int32_t k = static_cast<int32_t>(code);
    if (!entries) {
        low = std::max(1, k - kGrowStep / 2);
        high = low + kGrowStep;
        entries = new tTabDesc*[static_cast<size_t>(high - low) + 1]();
        return;
    }
    const int32_t oldLow = low;
    const int32_t oldHigh = high;
    if (k > high) high = (k - high < kGrowStep) ? high + kGrowStep : k;
    if (k < low) low = (low - k < kGrowStep) ? std::max(1, low - kGrowStep) : k;
    auto** grown = new tTabDesc*[static_cast<size_t>(high - low) + 1]();
    std::memcpy(grown + (oldLow - low), entries, sizeof(tTabDesc*) * (static_cast<size_t>(oldHigh - oldLow) + 1));
    delete[] entries;
    entries = grown;
}

void tLogoTab::Link(tTabDesc* descriptor, tTabDesc* before)
{
    std::lock_guard<std::mutex> guard(tableListLock());
    descriptor->next = before;
    descriptor->previous = before ? before->previous : last;
    if (descriptor->previous) descriptor->previous->next = descriptor;
    else first = descriptor;
    if (before) before->previous = descriptor;
    else last = descriptor;
}

void tLogoTab::Unlink(tTabDesc* descriptor)
{
    std::lock_guard<std::mutex> guard(tableListLock());
    if (descriptor->previous) descriptor->previous->next = descriptor->next;
    else first = descriptor->next;
    if (descriptor->next) descriptor->next->previous = descriptor->previous;
    else last = descriptor->previous;
    descriptor->previous = descriptor->next = nullptr;
}

void tLogoTab::PutEntry(tTabDesc* descriptor)
{
    int32_t index;
    if (Contains(descriptor->code, index)) {
        if (entries[index] == descriptor) return;  // already here: destroying it would lose it
        RemoveAt(index);
    } else if (!entries || descriptor->code < static_cast<uint32_t>(low) || descriptor->code > static_cast<uint32_t>(high)) {
        GrowFor(descriptor->code);
    }
    entries[descriptor->code - low] = descriptor;
    descriptor->table = this;
    Link(descriptor);
    noteNameTablesChanged();
}

void tLogoTab::RemoveAt(int32_t index)
{
    tTabDesc* descriptor = entries[index];
    Unlink(descriptor);
    entries[index] = nullptr;
    noteNameTablesChanged();
    delete descriptor;
}

tTabDesc* tLogoTab::GetEntry(uint32_t code)
{
    if (tTabDesc* found = Lookup(code)) return found;
    FailMissing(code);
    return nullptr;
}

tTabDesc* tLogoTab::FindEntry(uint32_t code) { return Lookup(code); }

void tLogoTab::FailErase(uint32_t code) { throw eLogoException(MissingKey(), tCulpritName{code}); }

void tLogoTab::FailMissing(uint32_t code) { throw eLogoException(MissingKey(), tCulpritName{code}); }

void tLogoTab::Erase(uint32_t code)
{
    int32_t index;
    if (!Contains(code, index)) return FailErase(code);
    RemoveAt(index);
}

void tLogoTab::EraseIfPresent(uint32_t code)
{
    int32_t index;
    if (Contains(code, index)) RemoveAt(index);
}

void tLogoTab::EraseAll(uint32_t except)
{
    if (!entries) return;
    for (int64_t i = 0; i <= static_cast<int64_t>(high) - low; ++i) {
        tTabDesc* entry = entries[i];
        if (entry && !(entry->flags & kSystemEntry) && entry->code != except) RemoveAt(static_cast<int32_t>(i));
    }
}

void tLogoTab::ForEachEntry(EntryCallback callback, void* data)
{
    if (!entries) return;
    for (int64_t i = 0; i <= static_cast<int64_t>(high) - low; ++i)
        if (entries[i]) callback(data, entries[i]);
}

void tLogoTab::ForEachInOrder(EntryCallback callback, void* data)
{
    std::lock_guard<std::mutex> guard(tableListLock());
    for (tTabDesc* entry = first; entry; entry = entry->next) callback(data, entry);
}

void tLogoTab::ForEachBody(BodyCallback callback, void* data)
{
    for (tTabDesc* entry = first; entry; entry = entry->next) {
        auto* procedure = dynamic_cast<tProcDesc*>(entry);
        if (!procedure) continue;
        if (tlogoobject* body = procedure->Body()) callback(data, body->Compile(2), owner);
    }
}

void tLogoTab::SaveEntries(std::ostream& stream, int level, int mode)
{
    if (!entries) return;
    for (int64_t i = 0; i <= static_cast<int64_t>(high) - low; ++i) {
        tTabDesc* entry = entries[i];
        if (entry && !(entry->flags & (kNotSaved | kNotSavedUntilSet))) entry->SaveEntry(stream, level, mode);
    }
}

namespace {
bool switchFlag(tTabDesc& entry, uint8_t bit, bool on)
{
    const bool previous = (entry.flags & bit) != 0;
    entry.flags = static_cast<uint8_t>(on ? entry.flags | bit : entry.flags & ~bit);
    return previous;
}
}  // namespace

bool tLogoTab::SetFlag(std::string_view name, bool on) { return switchFlag(*GetEntry(name), kNeverListed, on); }

bool tLogoTab::SetHidden(uint32_t code, bool on) { return switchFlag(*GetEntry(code), kHidden, on); }

bool tLogoTab::SetHidden(std::string_view name, bool on) { return switchFlag(*GetEntry(name), kHidden, on); }

tTabDesc* tLogoTab::GetEntry(std::string_view name)
{
    const uint32_t code = findCode(name);
    if (tTabDesc* found = Lookup(code)) return found;
    throw eLogoException(MissingKey(), name);
}

tTabDesc* tLogoTab::FindEntry(std::string_view name) { return FindEntry(findCode(name)); }
