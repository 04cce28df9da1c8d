#pragma once

#include <string_view>

#include "values/tLogoRef.h"

class tCompiledForm;
class tProcessContext;

// The evaluator: runs compiled instruction lists on the calling thread's process context.
// "output" and "stop" met in a statement end the current procedure body through the context's
// exit flag; a call at the very end of a procedure body is left pending as a tail call for the
// caller's trampoline, so tail recursion runs in constant stack. Code other than the evaluator
// that calls a procedure (apply-like primitives, events, fan-out) uses its direct entry points,
// whose bodies never leave a tail call behind.

// Runs the list as commands; leaves nothing on the stack.
void RunList(tCompiledForm& form);
// Evaluates a list that must be exactly one expression; the result is owned by the caller.
tLogoRef<tlogoobject> EvaluateList(tCompiledForm& form);
// EvaluateList of the value compiled as instructions, taken as a boolean.
bool EvaluateCondition(tlogoobject* list);
// Runs a word or list as instructions (the form primitives such as "repeat" use).
void RunInstructions(tlogoobject* instructions);
// Reads, compiles and runs text at the top level; the stack height is restored afterwards.
void RunText(std::string_view text);
// The end of a top-level run: a pending "output" fails erWrongPlace naming it, a "stop" is
// accepted; either way the exit request is cleared.
void FinishTopLevelRun(tProcessContext& context);

// The cached compiled form of a word or list.
tCompiledForm& CompiledForm(tlogoobject* value, int mode);

// Installs the compiler and evaluator into words and lists.
void installEvaluator();
