#include "values/listArithmetic.h"

namespace {
tListArithmetic operations;
}

void setListArithmetic(const tListArithmetic& newOperations) { operations = newOperations; }

const tListArithmetic& listArithmetic() { return operations; }
