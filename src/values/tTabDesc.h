#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

class tLogoTab;
class tlogoobject;

// Flag bits of a table entry.
enum tTabDescFlag : uint8_t {
    kNotSaved = 0x01,          // not saved, skipped when a container enumerates its objects
    kNotSavedUntilSet = 0x04,  // like kNotSaved until a value is assigned
    kSystemEntry = 0x08,       // built in during start-up; kept by EraseAll
    kNeverListed = 0x10,
    kHidden = 0x20,            // listed only while hidden entries are shown
};

// While start-up loads the built-in set (and no window is being built), every new entry is
// marked as a system entry.
void setStartupLoading(bool loading);
void setWindowBuilding(bool building);
bool markingSystemEntries();

// An entry of a name table, keyed by a name code, linked in the table's insertion order.
class tTabDesc {
public:
    tTabDesc(uint32_t code, uint8_t flags);
    virtual ~tTabDesc() = default;
    tTabDesc(const tTabDesc&) = delete;
    tTabDesc& operator=(const tTabDesc&) = delete;

    virtual std::string DefinitionText() { return {}; }
    // The entry's value, not handed over: a caller that keeps it counts it up.
    virtual tlogoobject* Value() { return nullptr; }
    virtual std::string NameText();
    virtual void SaveEntry(std::ostream& stream, int level, int mode);
    virtual void PrintEntry(std::ostream& printer);
    virtual bool IsAvailable(bool checkRunning);

    uint32_t code;
    uint8_t flags;
    tTabDesc* previous = nullptr;
    tTabDesc* next = nullptr;
    tLogoTab* table = nullptr;
    uint8_t printable = 0;
};
