#pragma once

#include <cstdint>

#include "values/tLogoTab.h"
#include "values/tLogoVarDesc.h"

// A table of variables. New entries are made by the table's entry class.
class tLogoVarTab : public tLogoTab {
public:
    using EntryMaker = tLogoVarDesc* (*)(uint32_t code, tlogoobject* value, uint8_t flags);

    explicit tLogoVarTab(tlogoobject* owner = nullptr, const char* label = "variablesLabel",
                         EntryMaker entryClass = &MakeEntry<tLogoVarDesc>);

    void FailErase(uint32_t code) override;
    errorConst MissingKey() const override { return erNoVal; }

    // Each yields whether the entry existed.
    virtual bool Define(uint32_t code, tlogoobject* value, uint8_t flags);
    virtual bool SetValue(uint32_t code, tlogoobject* value);
    virtual bool SetIfDifferent(uint32_t code, tlogoobject* value);
    // The value, not handed over (a caller that keeps it counts it up).
    virtual tlogoobject* GetValue(uint32_t code);
    virtual tlogoobject* FindValue(uint32_t code);

    template <class T>
    static tLogoVarDesc* MakeEntry(uint32_t code, tlogoobject* value, uint8_t flags)
    {
        return new T(code, value, flags);
    }

    EntryMaker entryClass;

protected:
    // Reuses the entry's current value object when it can take the new value in place.
    static void StoreInto(tLogoVarDesc& entry, tlogoobject* value);
};

class tLogoEventTab : public tLogoVarTab {
public:
    explicit tLogoEventTab(tlogoobject* owner = nullptr);
    errorConst MissingKey() const override { return erUnDefEvenet; }
    // Compiles every handler list in mode 0.
    void ForEachBody(BodyCallback callback, void* data) override;
};

class tLogoGlobalVarTab : public tLogoVarTab {
public:
    explicit tLogoGlobalVarTab(tlogoobject* owner = nullptr);
};

class tLogoObjectsTab : public tLogoVarTab {
public:
    explicit tLogoObjectsTab(tlogoobject* owner = nullptr);
    errorConst MissingKey() const override { return erNoObject; }
    // Always puts a new entry in.
    bool Define(uint32_t code, tlogoobject* value, uint8_t flags) override;
    // Destroys the objects of the entries instead of removing the entries.
    void EraseAll(uint32_t except) override;
};

// Pages keep an order that the user can change.
class tLogoPagesTab : public tLogoVarTab {
public:
    explicit tLogoPagesTab(tlogoobject* owner = nullptr);
    errorConst MissingKey() const override { return erPageNotExist; }
    // 1-based place in the insertion order, -1 when absent.
    int32_t PositionOf(uint32_t code);
    void MoveToPosition(uint32_t code, int32_t position);
};
