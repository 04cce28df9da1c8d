#pragma once

#include <cstdint>
#include <span>

class tLogoTab;
class tPrimitiveCall;
class tlogoobject;

// One row of a family's table: the internal key (the dictionary gives its visible names), the
// default number of inputs, the marks, and the implementation. An implementation returns its
// output (a fresh value, one of its inputs, or none for a command).
enum tPrimitiveMarks : uint8_t {
    kFixedInputs = 0,
    kVariableInputs = 1,  // takes every input up to ")" when it directly follows "("
    kFullInputs = 2,      // each input is a whole expression, comparison included
};

struct tPrimitiveRow {
    const char* key;
    int32_t inputs;
    uint8_t marks;
    tlogoobject* (*routine)(tPrimitiveCall& call);
};

// Registers every row under each synonym of its key; a later name replaces an earlier one.
void registerPrimitives(tLogoTab& table, std::span<const tPrimitiveRow> rows);
