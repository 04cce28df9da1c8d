#pragma once

#include <exception>
#include <string>

#include "values/tLogoRef.h"

// The output signal: carries the value of an "output" (none for "stop") out of a procedure body
// that was not ended by the statement loop. Thrown by value; the value travels counted with it.
class eOutputException : public std::exception {
public:
    explicit eOutputException(tlogoobject* value = nullptr);
    const char* what() const noexcept override { return message.c_str(); }

    std::string message;
    tLogoRef<tlogoobject> value;
};
