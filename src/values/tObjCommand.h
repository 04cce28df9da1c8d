#pragma once

#include <cstdint>
#include <vector>

#include "values/tProcDesc.h"

// Commands of object kinds: every call entry is one routine with its data.
class tUserObjectCommand : public tProcDesc {
public:
    tUserObjectCommand(uint32_t code, uint8_t binding, int32_t inputs, bool variable, EntryRoutine routine,
                       void* data);
    void Execute(tLogoStack& stack, int n) override;

    EntryRoutine routine;
    void* data;
};

class tObjCommand : public tUserObjectCommand {
public:
    tObjCommand(uint32_t code, uint8_t binding, int32_t inputs, EntryRoutine routine, void* data = nullptr);
};

class tObjVarParCommand : public tUserObjectCommand {
public:
    tObjVarParCommand(uint32_t code, uint8_t binding, int32_t inputs, EntryRoutine routine, void* data = nullptr);
};

class tObjProcDesc : public tUserObjectCommand {
public:
    tObjProcDesc(uint32_t code, uint8_t binding, int32_t inputs, EntryRoutine routine, void* data = nullptr);
};

// Runs its routine on the window thread through the process layer's synchronisation.
class tProtectedObjProcDesc : public tObjProcDesc {
public:
    tProtectedObjProcDesc(uint32_t code, uint8_t binding, int32_t inputs, EntryRoutine routine,
                          void* data = nullptr);
};

// A property setter command: marks the listed property variables of the current object as
// assigned, then runs.
class tPseudoVarCommand : public tUserObjectCommand {
public:
    tPseudoVarCommand(uint32_t code, EntryRoutine routine, void* data, std::vector<uint32_t> properties);
    void Execute(tLogoStack& stack, int n) override;

    std::vector<uint32_t> properties;
};

// A setter that takes the class object: called with a receiver through ExecuteOn.
class tPseudoVarObjCommand : public tUserObjectCommand {
public:
    tPseudoVarObjCommand(uint32_t code, int32_t inputs, MethodRoutine routine, void* data = nullptr);
    virtual void ExecuteOn(tLogoStack& stack, int n, tlogoobject* receiver);

    MethodRoutine objectRoutine;
};

class tProtectedPseudoVarObjCommand : public tPseudoVarObjCommand {
public:
    using tPseudoVarObjCommand::tPseudoVarObjCommand;
    void ExecuteOn(tLogoStack& stack, int n, tlogoobject* receiver) override;
};

// Fan-out of a class's procedure to every object the process currently addresses. The fan-out
// itself belongs to the object model (objectContextHooks().fanOut).
class tGrObjectProcDesc : public tProcDesc {
public:
    tGrObjectProcDesc(uint32_t code, int32_t inputs, bool variable);
    void Execute(tLogoStack& stack, int n) override;

private:
    static void OperationEntry(void* self, tLogoStack& stack, int n);
};
