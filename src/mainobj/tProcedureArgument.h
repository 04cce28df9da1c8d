#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "values/tLogoRef.h"

class tLogoProcDesc;
class tProcDesc;

// What "apply", "map", "filter" and "generate" call: a procedure named by a word, or a
// temporary procedure built from a definition list or from a template whose inputs are "%" or
// "%1", "%2" ... The temporary procedure stands in no table and dies with this object.
class tProcedureArgument {
public:
    // Forms of a template's line: as written, or preceded by "output".
    enum tForm : uint8_t { kCommandForm, kOperationForm };

    // `primitive` ("apply", "map" ...) and its nesting depth name the temporary procedure.
    tProcedureArgument(tlogoobject* argument, int inputs, tForm form, const char* primitive, int depth);
    ~tProcedureArgument();
    tProcedureArgument(const tProcedureArgument&) = delete;
    tProcedureArgument& operator=(const tProcedureArgument&) = delete;

    // Fails erNotEnoughInputs / erTooManyInputs (or, with exactlyOne, erExpectBadProc) with the
    // argument's text unless the procedure accepts this many inputs.
    void CheckArity(int inputs, bool exactlyOne) const;

    // Calls with the n values on top of the stack as inputs; the result is owned by the caller.
    // An operation call that leaves no value fails erDidNotReport with the procedure's name.
    tLogoRef<tlogoobject> Call(int n, bool asOperation);

    tProcDesc* procedure = nullptr;

private:
    std::string ArgumentText() const;

    tLogoRef<tlogoobject> argument_;
    std::unique_ptr<tLogoProcDesc> temporary_;
    int level_ = 0;
};

// Process-wide nesting depth of one higher-order primitive, raised for the life of a call.
class tNestingDepth {
public:
    explicit tNestingDepth(int& depth) : depth_(depth) { ++depth_; }
    ~tNestingDepth() { --depth_; }
    tNestingDepth(const tNestingDepth&) = delete;
    tNestingDepth& operator=(const tNestingDepth&) = delete;
    int value() const { return depth_; }

private:
    int& depth_;
};
