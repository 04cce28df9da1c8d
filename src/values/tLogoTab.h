#pragma once

#include <atomic>
#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <string_view>

#include "values/errorConst.h"
#include "values/tTabDesc.h"

class tlogoobject;
class tCompiledCode;

// Guards the insertion lists of every table: the window thread walks them to show and print
// table contents while processes change them.
std::mutex& tableListLock();

// Counts every change of what a name resolves to: an entry put into or removed from any table,
// a table destroyed, or a change noted by others (an object's chain of tables rebuilt, a language
// switch). Name resolution caches its answers for as long as the count stays the same.
namespace nameTablesDetail {
inline std::atomic<uint64_t> generation{1};
}
inline uint64_t nameTablesGeneration() { return nameTablesDetail::generation.load(std::memory_order_relaxed); }
inline void noteNameTablesChanged() { nameTablesDetail::generation.fetch_add(1, std::memory_order_relaxed); }

// Tables handed out as interfaces without reference counting.
class tnointerfaceobject {
public:
    virtual ~tnointerfaceobject() = default;
};

// A name table: descriptors in an array indexed by name code - low, grown on demand in steps of
// 512, plus the insertion order as a doubly linked list.
class tLogoTab : public tnointerfaceobject {
public:
    static constexpr int32_t kGrowStep = 512;

    explicit tLogoTab(tlogoobject* owner = nullptr, const char* label = "commandsLabel");
    ~tLogoTab() override;
    tLogoTab(const tLogoTab&) = delete;
    tLogoTab& operator=(const tLogoTab&) = delete;

    // The hot path of name resolution.
    tTabDesc* Lookup(uint32_t code) const
    {
        int64_t index = static_cast<int64_t>(code) - low;
        if (code == 0 || index < 0 || index > high - low || !entries) return nullptr;
        return entries[index];
    }

    virtual void RemoveAt(int32_t index);
    virtual tTabDesc* GetEntry(uint32_t code);
    virtual tTabDesc* FindEntry(uint32_t code);
    // Raise the table's error for a name it lacks (they never return normally).
    virtual void FailErase(uint32_t code);
    virtual void FailMissing(uint32_t code);
    virtual void SaveEntries(std::ostream& stream, int level, int mode);
    virtual void EraseAll(uint32_t except);
    using BodyCallback = void (*)(void* data, tCompiledCode* body, tlogoobject* owner);
    virtual void ForEachBody(BodyCallback callback, void* data);

    bool Contains(uint32_t code, int32_t& index) const;
    // Takes ownership; an entry of the same code is destroyed first.
    void PutEntry(tTabDesc* descriptor);
    void Erase(uint32_t code);
    void EraseIfPresent(uint32_t code);
    using EntryCallback = void (*)(void* data, tTabDesc* entry);
    // In code order; the callback may erase entries but must not add any.
    void ForEachEntry(EntryCallback callback, void* data);
    void ForEachInOrder(EntryCallback callback, void* data);
    // Set or clear kNeverListed / kHidden of the named entry; yield the previous state.
    bool SetFlag(std::string_view name, bool on);
    bool SetHidden(uint32_t code, bool on);
    bool SetHidden(std::string_view name, bool on);
    tTabDesc* GetEntry(std::string_view name);
    tTabDesc* FindEntry(std::string_view name);

    // The key of a missing name in this kind of table.
    virtual errorConst MissingKey() const { return erDoNotKnowHowTo; }

    tTabDesc** entries = nullptr;
    uint8_t shared = 0;
    int32_t low = 0;
    int32_t high = 0;
    uint8_t flag = 0;
    const char* label;
    tTabDesc* first = nullptr;
    tTabDesc* last = nullptr;
    tlogoobject* owner;

protected:
    // Insertion-list links; both take the table-list lock.
    void Unlink(tTabDesc* descriptor);
    void Link(tTabDesc* descriptor, tTabDesc* before = nullptr);

private:
    void GrowFor(uint32_t code);
};
