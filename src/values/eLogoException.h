#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "values/errorConst.h"
#include "values/tInprocType.h"
#include "values/tLogoRef.h"

// Tags that tell apart the raising forms that take a name code or a text.
struct tCulpritName {
    uint32_t code;
};
struct tNeedingProcedure {
    uint32_t code;
};
struct tNeedingProcedureText {
    std::string text;
};

// A Logo error: a key, the culprit, and the context it gathers while travelling outward. The
// annotation operations only fill empty fields, so the innermost information wins.
class eLogoException : public std::exception {
public:
    explicit eLogoException(errorConst key);
    eLogoException(errorConst key, tlogoobject* culprit);
    // A user error ("throw "error ..."-like): key erUser with the given message.
    eLogoException(std::string text, tlogoobject* culprit);
    // The culprit given as a text becomes a new word.
    eLogoException(errorConst key, std::string_view culpritText);
    eLogoException(errorConst key, tCulpritName culpritName);
    eLogoException(errorConst key, tNeedingProcedure procedure);
    eLogoException(errorConst key, tNeedingProcedureText procedure);
    // Bounds are given lower first.
    eLogoException(errorConst key, int32_t lower, int32_t upper, tlogoobject* culprit);
    // The template is formatted with the arguments (printf-like "%" directives); the first
    // argument becomes the culprit word.
    eLogoException(errorConst key, const std::vector<std::string>& arguments);
    eLogoException(errorConst key, tlogoobject* culprit, const std::vector<std::string>& arguments);

    const char* what() const noexcept override { return message.c_str(); }

    void SetNeedingProcedure(uint32_t nameCode);
    void SetNeedingProcedure(std::string_view name);
    void SetContext(uint32_t nameCode, tlogoobject* owner, int32_t line, tInprocType kind);
    void AddPosition(int32_t position) { positions.push_back(position); }

    std::string message;
    std::string fileText;
    std::string procedureName;
    tlogoobject* owner = nullptr;  // not counted
    tInprocType contextKind = ipNone;
    int32_t line = -1;
    std::string needingProcedure;
    tLogoRef<tlogoobject> culprit;
    uint32_t culpritName = 0;
    int32_t lowerBound = 0;
    int32_t upperBound = 0;
    uint8_t formatted = 0;
    errorConst key;
    std::vector<int32_t> positions;  // innermost first
};

// The message template of a key from the interface dictionary.
std::string errorTemplate(errorConst key);

// printf-like formatting of a template: %s, %d (and any other conversion letter) take the next
// argument as text, "%%" is a percent sign.
std::string formatTemplate(std::string_view pattern, const std::vector<std::string>& arguments);

// Raises erMinMax with the bounds of a 32-bit integer for the value.
[[noreturn]] void failInteger32(tlogoobject* value);
