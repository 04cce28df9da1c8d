#pragma once

#include <cstdint>

class tlogoobject;
class tLogoStack;
class tGrObjectProcDesc;
class tPseudoVarDesc;

// What some descriptors need from the object model and the process layer, which sit above
// values. Those layers fill these in at start-up; a descriptor whose hook is missing fails with
// its key rather than doing nothing.
struct tObjectContextHooks {
    // The variable of that code as seen from the current object (fails erNoVal when missing).
    tlogoobject* (*readVariable)(uint32_t code) = nullptr;
    void (*writeVariable)(uint32_t code, tlogoobject* value) = nullptr;
    // Clears kNotSavedUntilSet of the listed property variables of the current object.
    void (*markPropertiesSet)(const uint32_t* codes, int count) = nullptr;
    // Runs a routine on the window thread with the calling process's stack and current object
    // installed; without it the routine runs on the calling thread.
    void (*runProtected)(void (*routine)(void* data), void* data) = nullptr;
    // Calls the procedure of the fan-out descriptor for the current receivers.
    void (*fanOut)(tGrObjectProcDesc& descriptor, tLogoStack& stack, int n, bool asOperation) = nullptr;
    // Reads and assigns a computed (property) variable of its object.
    tlogoobject* (*readProperty)(tPseudoVarDesc& property) = nullptr;
    void (*writeProperty)(tPseudoVarDesc& property, tlogoobject* value) = nullptr;
    // Destroys a named object held by an object table entry.
    void (*destroyObject)(tlogoobject* object) = nullptr;
};

// Several layers fill parts of it: read the current set, change your fields, set it back.
void setObjectContextHooks(const tObjectContextHooks& hooks);
const tObjectContextHooks& objectContextHooks();
