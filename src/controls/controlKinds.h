#pragma once

#include "controls/tLogoControlParams.h"
#include "objects/tControlObject.h"

// The built-in class objects of the simple controls: each registers its kind's properties into
// its own tables, so instances find them along their class line.
class tLogoFinalControlPrototype : public tControlObject {
public:
    tLogoFinalControlPrototype(tSimpleControlKind kind, const std::string& name);

    const char* ClassName() const override { return "tLogoFinalControlPrototype"; }
    void SetUpTables() override;

    const tSimpleControlKind kind;
};

// Builds the class objects "textbox", "button", "switch" and "slider" into the main object's
// objects table (once; later calls do nothing).
void registerControlKinds();

// The nearest kind class along the object's first parents (the object itself included); none
// when the object is no control and no class of one.
const tLogoFinalControlPrototype* controlKindClassOf(const tmultiobject& object);

// Whether the object is one of those class objects or inherits from one: its instances live on
// a page or a pane.
inline bool isControlKindClass(const tmultiobject& object) { return controlKindClassOf(object) != nullptr; }
