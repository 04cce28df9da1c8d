#pragma once

#include <string>

#include "values/eLogoException.h"

// "throw" of a tag that an active catch holds: key erNoCatch, the tag word as culprit and the
// tag text in lower case for matching.
class ethrow : public eLogoException {
public:
    explicit ethrow(tlogoobject* tagWord);

    std::string tag;
};
