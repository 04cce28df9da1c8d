#pragma once

#include <functional>

class tlogoobject;

// The matching rules of "catch" and "throw". A catch of the "error" word catches every error
// (and records it for "error"), a catch of the "toplevel" word catches only the return to the
// top level, any other catch only a throw of its own tag.

// Raises the exit for a throw of the tag: the return to the top level for the "toplevel" word,
// erNoCatch when no active catch has the tag, else the throw.
[[noreturn]] void ThrowTag(tlogoobject* tag);

// Runs the body as a catch of the tag. True when the catch ended it; the stack is then back at
// the height it had when the catch began.
bool RunCatch(tlogoobject* tag, const std::function<void()>& body);
