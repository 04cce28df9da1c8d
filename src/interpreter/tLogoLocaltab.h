#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "values/tLogoVarTab.h"

class tLogoStack;

// A process's local variables with dynamic scope by shallow binding: every name has at most one
// entry, the binding visible now; the bindings it hides wait on a save stack, frame by frame,
// until their procedure ends. Names nobody has bound live in the global table.
class tLogoLocaltab : public tLogoVarTab {
public:
    static constexpr size_t kInitialSaves = 128;

    // With frameOpen, top-level bindings ("local" in code started by a control) live in a frame
    // that lasts as long as the table; without, "local" at the top level fails erWrongPlace.
    tLogoLocaltab(tLogoVarTab* globals, bool frameOpen);
    ~tLogoLocaltab() override;

    // Binds names[0..n) to the n values on top of the stack (the last name to the top value),
    // which are popped.
    void OpenFrame(const uint32_t* names, int n, tLogoStack& stack);
    // As OpenFrame into the current frame: names already bound there only change value.
    void RebindFrame(const uint32_t* names, int n, tLogoStack& stack);
    void CloseFrame();
    bool FrameOpen() const { return !saves_.empty(); }

    void AddLocal(uint32_t code, tlogoobject* value);
    void SetOrAddLocal(uint32_t code, tlogoobject* value);
    // Undoes the newest binding of the name in the current frame ("foreach").
    void RemoveLocal(uint32_t code);

    tlogoobject* GetValue(uint32_t code) override;
    tlogoobject* FindValue(uint32_t code) override;
    // A bound name takes the value; any other name is a global variable.
    bool Define(uint32_t code, tlogoobject* value, uint8_t flags) override;
    void EraseVariable(uint32_t code);

    // A new table whose one open frame binds copies of the given table's entries.
    static std::unique_ptr<tLogoLocaltab> Snapshot(tLogoVarTab& table, tLogoVarTab* globals);

    tLogoVarTab* globals;

private:
    enum SaveKind : uint8_t { kSavedValue, kWasUnbound, kBlanked, kFrameMarker };
    struct tSave {
        uint32_t code;
        SaveKind kind;
        tlogoobject* value;        // counted: the hidden value of kSavedValue
        int32_t enclosingBindings; // of kFrameMarker
    };

    tLogoVarDesc* Entry(uint32_t code) const { return static_cast<tLogoVarDesc*>(Lookup(code)); }
    // Binds a counted value in the current frame, saving what it hides.
    void Bind(uint32_t code, tlogoobject* counted);
    tSave* FindInFrame(uint32_t code);
    void Undo(tSave& save, bool recreateErased);
    void PutNewEntry(uint32_t code, tlogoobject* counted);

    std::vector<tSave> saves_;
    int32_t frameBindings_ = 0;
};
