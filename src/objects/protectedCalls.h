#pragma once

// Property getters and setters that touch the user interface run on the window thread: the
// calling process waits, keeping the interpreter lock, while its context (current object and
// stack) stands in for the window thread's own.
void installProtectedCalls();
