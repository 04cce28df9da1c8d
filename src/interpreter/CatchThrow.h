#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

class tlogoobject;
class tProcessContext;

// The matching rules of "catch" and "throw". A catch of the "error" word catches every error
// (and records it for "error"), a catch of the "toplevel" word catches only the return to the
// top level, any other catch only a throw of its own tag.

// Raises the exit for a throw of the tag: the return to the top level for the "toplevel" word,
// erNoCatch when no active catch has the tag, else the throw.
[[noreturn]] void ThrowTag(tlogoobject* tag);

// Runs the body as a catch of the tag. True when the catch ended it; the stack is then back at
// the height it had when the catch began.
bool RunCatch(tlogoobject* tag, const std::function<void()>& body);

// Fills the context's caught-error record from an exception, as a catch of "error" does: key
// (0 when it is not a Logo error), message with its placeholders filled and its first line
// break shown as a pilcrow, needing procedure, culprit and culprit name.
void RecordCaughtError(tProcessContext& context, std::exception& caught);

// The lines of an error's message, placeholders filled (how a console reports it).
std::vector<std::string> MessageLines(std::exception& caught);
