#pragma once

#include <vector>

#include "objects/eventNames.h"

class tLogoControlParams;

// What a picker does with what the user picked, besides its events: once a pick is done
// ("onChanged") a colour picker sets the pen colour and a width switch the pen width of the
// objects it controls, and a page switch shows the picked page in its window; a melody button
// plays its melody when pushed. Each runs as a process of its own, so that a wrong name or
// melody is reported as any program's error. Under the interpreter lock.
void respondToPick(tLogoControlParams& control, const std::vector<tEventKey>& events);
