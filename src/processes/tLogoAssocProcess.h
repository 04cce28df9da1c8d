#pragma once

#include "processes/tLogoprocess.h"

// The process that runs a window's start-up procedure: associated with the window it starts
// in, which is its start object.
class tLogoAssocProcess : public tLogoprocess {
public:
    using tLogoprocess::tLogoprocess;
    bool IsAssociated() const override { return true; }
};
