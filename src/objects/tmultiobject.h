#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "values/tLogoTab.h"
#include "values/tLogoVarTab.h"
#include "values/tlogoobject.h"

class tControlObject;
class tLogoStack;

// How "new" makes an object of a class's kind: the basic construction of that kind's object
// class with the one class parent on top of the stack.
using tInstanceMaker = tControlObject* (*)(tLogoStack& stack, const std::string& name);

// A named object: own procedure, variable and event tables, parents it inherits from and the
// dependents that inherit from it (or live in it). Names are found through four lookup chains
// that are recomputed whenever parents or the place change, so a lookup is a walk over a flat
// array of tables rather than over the parent graph.
class tmultiobject : public tlogoobject {
public:
    // Parent counts of the basic construction.
    static constexpr int kOnlyMain = 0;
    static constexpr int kNoParents = -1;

    // Basic construction: parentCount > 0 takes that many objects from the top of the stack
    // (deepest first) as class parents; kOnlyMain inherits from the main object; kNoParents
    // from nothing. An empty name gets an automatic one.
    tmultiobject(tLogoStack* stack, std::string name, int parentCount);
    ~tmultiobject() override;

    // Objects are shared, never copied.
    tlogoobject* Clone() override { return this; }
    std::string PrintText(int mode) override;
    std::string SourceText(int mode) override { return PrintText(mode); }
    const char* ClassName() const override { return "tmultiobject"; }

    tProcDesc* LookupMethod(uint32_t code, int& level) override;
    tProcDesc* FindNextMethod(int& level, uint32_t code) override;
    bool HasName(uint32_t code, tTabDesc*& entry) override;
    void EraseProcedure(uint32_t code) override;

    // The kind's table set-up: creates the procedure and variable tables and registers the
    // kind's primitives. Called once by whoever constructs the object.
    virtual void SetUpTables();
    // Objects that can hold others are their own place for new objects.
    virtual bool CanContain() const { return false; }
    virtual tLogoObjectsTab* Objects() { return nullptr; }
    // Windows and pages are what "myWindow" and "myPage" look for.
    virtual bool IsWindow() const { return false; }
    virtual bool IsPage() const { return false; }

    // The kind's part in making an instance, in the order creation calls them: its own state
    // (a graphic part) right after the basic construction; the visual part, which the built-in
    // "create" asks for and an object read back gets directly; the news that creation is
    // complete (show what was hidden while properties were applied); and the last step, once
    // the object is in its container and its "onCreate" handlers have run.
    virtual void SetUpInstance() {}
    virtual void MakeVisualPart() {}
    virtual void CreationCompleted() {}
    virtual void FinishCreation() {}

    void RebuildChains();
    void SetPlace(tmultiobject* newPlace);
    // Behaviours are parents added after the class parents.
    // With handlers, the behaviour's variables that this object lacks are copied and its
    // "onAddBehaviour" runs with this object as the current object; removing runs its
    // "onDeleteBehaviour" first, inside a running process only.
    void AddBehaviour(tmultiobject* behaviour, bool runHandlers);
    void RemoveBehaviour(tmultiobject* behaviour, bool runHandlers);

    // Own copies, with their current values, of the source's plain variables that this object
    // does not have yet (properties are left to the property machinery).
    void CopyMissingVariablesFrom(tmultiobject& source);

    tlogoeventdesc* FindEventHandler(uint32_t code);
    // The variable of that code along the variable chain; none when no table has it.
    tLogoVarDesc* FindVariable(uint32_t code);
    tmultiobject* FirstParent() const { return parents.empty() ? nullptr : parents.front(); }
    bool IsDependentOf(const tmultiobject* object) const;
    // Unhooks the object from parents, place and dependents; a destroyed object keeps nothing
    // alive and nothing counts it as an instance any more.
    void DetachAll();

    std::string name;
    std::vector<tmultiobject*> parents;  // counted
    int classParentCount = 0;
    std::vector<tmultiobject*> dependents;
    tmultiobject* place = nullptr;  // counted
    std::unique_ptr<tLogoTab> procTable;
    std::unique_ptr<tLogoVarTab> varTable;
    std::unique_ptr<tLogoEventTab> eventTable;
    std::vector<tLogoTab*> varChain, procChain, eventChain, lifecycleChain;
    std::vector<tmultiobject*> ancestors;
    bool rebuilding = false;
    bool isInstance = false;
    bool isPrototype = false;
    bool needsPlace = true;
    bool shownAtStart = true;
    bool creationDone = false;
    // Refused by erasing unless erasing persistent objects is allowed (objectLifecycle.h).
    bool persistent = false;
    // What "new" makes for this class; none makes a tControlObject. Taken from the first
    // parent at construction, as is the order the kind applies creation properties in.
    tInstanceMaker instanceClass = nullptr;
    std::shared_ptr<const std::vector<int32_t>> paramsToMove;
    int32_t objectNumber = 0;
    tmultiobject* previous = nullptr;
    tmultiobject* next = nullptr;

private:
    void AddDependent(tmultiobject* dependent);
    void RemoveDependent(tmultiobject* dependent);
    void RebuildOwnChains();
};
