#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "values/eLogoException.h"
#include "values/tLogoRef.h"
#include "values/tlogoobject.h"

// Runs an operation expected to raise a Logo error and yields its key (erUnexpected when it
// raised nothing, which the caller's expectation then reports).
inline errorConst raisedKey(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const eLogoException& error) {
        return error.key;
    }
    return erUnexpected;
}

// Holds a fresh result for the length of a check and gives its text.
inline std::string textOf(tlogoobject* value)
{
    tLogoRef<tlogoobject> held(value);
    return held->WordText();
}

// A value's class name, to check whether a result is an integer or a real.
inline std::string classOf(tlogoobject* value)
{
    tLogoRef<tlogoobject> held(value);
    return held->ClassName();
}
