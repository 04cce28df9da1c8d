#include "mainobj/programEnd.h"

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "processes/tInterpreterLock.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"

namespace {

void (*programCloser)() = nullptr;

tlogoobject* bye(tPrimitiveCall& call)
{
    if (call.count() > 1) throw eLogoException(erTooManyInputs);
    if (programCloser) {
        // Closing may wait for other processes, which need the lock to end.
        tInterpreterLock::Releaser closing;
        programCloser();
    }
    throw eTerminateException(0);
}

constexpr tPrimitiveRow kProgramEndRows[] = {
    {"bye", 0, kVariableInputs, &bye},
};

}  // namespace

void setProgramCloser(void (*closer)()) { programCloser = closer; }

void registerProgramEndPrimitives(tLogoTab& table) { registerPrimitives(table, kProgramEndRows); }
