#pragma once

#include <cstdint>
#include <string>

class tlogoobject;

// What name resolution and error messages need from the object model, which sits above the
// interpreter. The object layer fills these in at start-up; until then no name stands for an
// object and owners are shown without a name.
struct tObjectResolution {
    // The object a name stands for as seen from an object; none when there is none.
    tlogoobject* (*findObject)(tlogoobject* from, uint32_t code) = nullptr;
    // The name an object is shown with in error messages.
    std::string (*objectName)(tlogoobject* object) = nullptr;
    // Whether the object is the current window object, whose name messages leave out.
    bool (*isCurrentWindow)(tlogoobject* object) = nullptr;
};

void setObjectResolution(const tObjectResolution& resolution);
const tObjectResolution& objectResolution();

tlogoobject* findObject(tlogoobject* from, uint32_t code);
