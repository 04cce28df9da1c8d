#pragma once

#include <cstdint>
#include <memory>

#include "processes/tLogoprocess.h"

class tlogoobject;
class tmultiobject;

// How handlers run: fired as a process of their own, fired and waited for, or run in place
// inside the calling process. All of them are called under the interpreter lock. An object
// without a handler for the event, or with an empty one, runs nothing: that is no error.

// The handler the object's event chain gives for the event (any word of it); none when no
// table has it or the first table that has it holds an empty list.
tlogoobject* eventHandler(tmultiobject& object, uint32_t event);

// Starts the handler as an event process named "@" + object name + event name, in a fresh
// local frame, with the object as its current object. The completion routine runs on the
// window thread when the process has ended, or at once when there is nothing to run. Nothing
// starts while the program is closing. The process, or none.
std::shared_ptr<tLogoprocess> fireEvent(tmultiobject& object, uint32_t event, tCompletion completion = {});

// fireEvent, then waits for the handler to end; a waiting process still ends when it is asked
// to stop.
void fireEventAndWait(tmultiobject& object, uint32_t event);

// Runs the object's handler inside the calling process, with `as` as the current object, in a
// fresh local frame; "stop" ends the handler. Nothing runs on a thread without a process
// context.
void runEventInPlace(tmultiobject& object, uint32_t event, tmultiobject& as);

// "onCreate" of a new instance: the handler of every table of its event chain that has one,
// the most general first, each in place with the instance as the current object.
void runCreateHandlers(tmultiobject& object);
