#pragma once

#include <cstdint>

class tLogoVarTab;
class tlogoobject;

// What every process context starts from, and the process-wide settings processes read. The
// main object installs them at start-up; until then contexts start without globals or main
// object.
struct tProcessEnvironment {
    tLogoVarTab* globals = nullptr;
    tlogoobject* mainObject = nullptr;
};
void setProcessEnvironment(const tProcessEnvironment& environment);
tProcessEnvironment processEnvironment();

// While the start-up sequence runs, processes do not mark activity.
void setStartupInProgress(bool inProgress);
bool startupInProgress();

// Raised at every list run of a process that marks activity; whoever watches it takes it.
void raiseActivity();
bool takeActivity();

// The elapse unit of "wait", "every" and "after" (option "ellapseunit"): code 0 counts
// milliseconds, 1 hundredths and 2 tenths of a second.
void setElapseUnit(int code);
int elapseUnit();
// A duration in the current unit as milliseconds. Deliberately unsigned 32-bit: -1 ms is an
// unlimited wait (tSyncEvent::kWaitForever), which only a stop request ends.
uint32_t elapseToMilliseconds(int32_t duration);
