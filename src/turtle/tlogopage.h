#pragma once

#include <vector>

#include "objects/tcontainerobject.h"
#include "values/tLogoRef.h"

class tgrScreen;
class tLogoTab;

// A page: a container shown in a window, drawn on through its surface ("@screen"). It
// remembers the receivers that processes started for it begin with ("pageWho").
class tlogopage : public tcontainerobject {
public:
    using tcontainerobject::tcontainerobject;

    const char* ClassName() const override { return "tlogopage"; }
    bool IsPage() const override { return true; }
    // A page's surface: 796 x 499 pixels, white.
    void MakeVisualPart() override;
    // The window it is made in may show it.
    void FinishCreation() override;
    // What "new" makes for the page class.
    static tControlObject* Make(tLogoStack& stack, const std::string& name);

    // The nearest page among the object and its places; none when there is none.
    static tlogopage* Enclosing(tmultiobject* object);

    tgrScreen& Screen();
    // The first turtle made on a page that addresses nobody becomes its receiver.
    void TakeFirstTurtle(tmultiobject& turtle);
    // The remembered receivers that still exist, as a list, and the private table that goes
    // with them.
    tlogoobject* Receivers();
    // Remembers the objects ("pageWho", as "tell" addresses them): they must share one class,
    // whose procedures are then sent to all of them (erIncopatible otherwise). None leaves
    // turtle commands with nobody to run in.
    void SetReceivers(const std::vector<tmultiobject*>& objects, tlogoobject* given);
    tLogoTab* ReceiversTable() const { return receiversTable_; }

private:
    tLogoRef<tlogoobject> receivers_;
    tLogoTab* receiversTable_ = nullptr;
};
