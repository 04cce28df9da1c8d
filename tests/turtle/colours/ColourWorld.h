#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "processes/tInterpreterLock.h"
#include "values/errorConst.h"
#include "values/tLogoRef.h"

// The interpreter with the colour layer started, held under the interpreter lock for a test.
class tColourWorld {
public:
    tColourWorld();
    ~tColourWorld();

    // Gives a global variable a value, or takes it away with none; the world takes away every
    // global it set when it ends.
    void SetGlobal(const char* name, tlogoobject* value);

    // The first element of `text` read as a list: `12`, `red13`, `[10 20 30]`.
    static tLogoRef<tlogoobject> Value(std::string_view text);
    // The key of the Logo error the operation raises; erUnexpected when it raises none.
    static errorConst RaisedKey(const std::function<void()>& operation);

private:
    tInterpreterLock::Holder lock_;
    std::vector<uint32_t> globals_;
};
