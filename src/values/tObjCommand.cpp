#include "values/tObjCommand.h"

#include "values/eLogoException.h"
#include "values/objectContextHooks.h"
#include "values/tLogoStack.h"

tUserObjectCommand::tUserObjectCommand(uint32_t code, uint8_t binding, int32_t inputs, bool variable,
                                       EntryRoutine routine, void* data)
    : tProcDesc(code, inputs, binding, variable), routine(routine), data(data)
{
    if (routine) SetCallEntries(routine, data);
}

void tUserObjectCommand::Execute(tLogoStack& stack, int n)
{
    if (!routine) throw eLogoException(erInternExecute, tCulpritName{code});
    routine(data, stack, n);
}

tObjCommand::tObjCommand(uint32_t code, uint8_t binding, int32_t inputs, EntryRoutine routine, void* data)
    : tUserObjectCommand(code, binding, inputs, false, routine, data)
{
}

tObjVarParCommand::tObjVarParCommand(uint32_t code, uint8_t binding, int32_t inputs, EntryRoutine routine,
                                     void* data)
    : tUserObjectCommand(code, binding, inputs, true, routine, data)
{
}

tObjProcDesc::tObjProcDesc(uint32_t code, uint8_t binding, int32_t inputs, EntryRoutine routine, void* data)
    : tUserObjectCommand(code, binding, inputs, false, routine, data)
{
}

namespace {

struct tProtectedCall {
    EntryRoutine routine;
    void* data;
    tLogoStack* stack;
    int n;
};

void runProtectedCall(void* call)
{
    auto* c = static_cast<tProtectedCall*>(call);
    c->routine(c->data, *c->stack, c->n);
}

void protectedEntry(void* self, tLogoStack& stack, int n)
{
    auto* descriptor = static_cast<tProtectedObjProcDesc*>(self);
    tProtectedCall call{descriptor->routine, descriptor->data, &stack, n};
    if (auto run = objectContextHooks().runProtected) run(&runProtectedCall, &call);
    else runProtectedCall(&call);
}

}  // namespace

tProtectedObjProcDesc::tProtectedObjProcDesc(uint32_t code, uint8_t binding, int32_t inputs, EntryRoutine routine,
                                             void* data)
    : tObjProcDesc(code, binding, inputs, routine, data)
{
    SetCallEntries(&protectedEntry, this);
}

tPseudoVarCommand::tPseudoVarCommand(uint32_t code, EntryRoutine routine, void* data,
                                     std::vector<uint32_t> properties)
    : tUserObjectCommand(code, 0, 1, false, nullptr, data), properties(std::move(properties))
{
    this->routine = routine;
}

void tPseudoVarCommand::Execute(tLogoStack& stack, int n)
{
    if (auto mark = objectContextHooks().markPropertiesSet)
        mark(properties.data(), static_cast<int>(properties.size()));
    routine(data, stack, n);
}

namespace {
void pseudoVarMethodEntry(void* self, tLogoStack& stack, int n, tlogoobject* receiver)
{
    static_cast<tPseudoVarObjCommand*>(self)->ExecuteOn(stack, n, receiver);
}
}  // namespace

tPseudoVarObjCommand::tPseudoVarObjCommand(uint32_t code, int32_t inputs, MethodRoutine routine, void* data)
    : tUserObjectCommand(code, 0, inputs, false, nullptr, data), objectRoutine(routine)
{
    method = {&pseudoVarMethodEntry, this};
    method2 = {&pseudoVarMethodEntry, this};
}

void tPseudoVarObjCommand::ExecuteOn(tLogoStack& stack, int n, tlogoobject* receiver)
{
    objectRoutine(data, stack, n, receiver);
}

namespace {

struct tProtectedMethodCall {
    tPseudoVarObjCommand* descriptor;
    tLogoStack* stack;
    int n;
    tlogoobject* receiver;
};

void runProtectedMethodCall(void* call)
{
    auto* c = static_cast<tProtectedMethodCall*>(call);
    c->descriptor->tPseudoVarObjCommand::ExecuteOn(*c->stack, c->n, c->receiver);
}

}  // namespace

void tProtectedPseudoVarObjCommand::ExecuteOn(tLogoStack& stack, int n, tlogoobject* receiver)
{
    tProtectedMethodCall call{this, &stack, n, receiver};
    if (auto run = objectContextHooks().runProtected) run(&runProtectedMethodCall, &call);
    else runProtectedMethodCall(&call);
}

tGrObjectProcDesc::tGrObjectProcDesc(uint32_t code, int32_t inputs, bool variable)
    : tProcDesc(code, inputs, 0, variable)
{
    operation = {&OperationEntry, this};
    directOperation = {&OperationEntry, this};
}

void tGrObjectProcDesc::Execute(tLogoStack& stack, int n)
{
    auto fanOut = objectContextHooks().fanOut;
    if (!fanOut) throw eLogoException(erNoActiveObj, tCulpritName{code});
    fanOut(*this, stack, n, false);
}

void tGrObjectProcDesc::OperationEntry(void* self, tLogoStack& stack, int n)
{
    auto* descriptor = static_cast<tGrObjectProcDesc*>(self);
    auto fanOut = objectContextHooks().fanOut;
    if (!fanOut) throw eLogoException(erNoActiveObj, tCulpritName{descriptor->code});
    fanOut(*descriptor, stack, n, true);
}
