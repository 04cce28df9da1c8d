#pragma once

#include <memory>
#include <optional>

#include "mainobj/system/tTimerList.h"
#include "mainobj/system/tlogotable.h"
#include "mainobj/tTextInput.h"
#include "mainobj/tTextOutput.h"
#include "objects/tcontainerobject.h"

// The root object: every primitive that is no method of a value class or object kind lives in
// its procedure table, its variable tables hold the globals, and it owns the process-wide
// streams that "print" and "readlist" use, the named timers and the property store.
class tMainLogoObject : public tcontainerobject {
public:
    tMainLogoObject();
    ~tMainLogoObject() override;

    const char* ClassName() const override { return "tMainLogoObject"; }
    void SetUpTables() override;

    // Selecting a stream always closes the previous one first.
    void SelectOutput(std::unique_ptr<tTextOutput> stream);
    void SelectInput(std::optional<tTextInput> stream);
    // Text of the print family; discarded while no stream is selected.
    void Write(std::string_view text);

    std::unique_ptr<tLogoGlobalVarTab> globalVarTable;
    std::unique_ptr<tTextOutput> outputStream;
    // Where printed text goes while no stream is selected: the console's standard output; none
    // in the window, where such text is discarded.
    std::unique_ptr<tTextOutput> fallbackOutput;
    std::optional<tTextInput> inputStream;
    tTimerList timerList;
    std::unique_ptr<tlogotable> propertyStore;
};

// The one main object; it must have been built.
tMainLogoObject& mainLogoObject();
