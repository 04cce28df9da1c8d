#pragma once

// Brings up the interpreter: value method tables, pools, the evaluator and the object model's
// name resolution, then builds the main object with its primitives. Called once, on the
// thread that will be the window thread, before any Logo text runs.
void startInterpreter();
