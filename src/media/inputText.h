#pragma once

#include <string>

class tlogoobject;

// The text of a word or list input: a word as it stands, a list as its elements' texts with one
// blank between (no brackets), as "say", "setvoice" and "mci" take their texts.
std::string inputText(tlogoobject* input);
