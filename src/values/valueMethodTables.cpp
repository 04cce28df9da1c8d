#include "values/valueMethodTables.h"

namespace {
tValueMethodTables tables;
}

void setValueMethodTables(const tValueMethodTables& newTables) { tables = newTables; }

const tValueMethodTables& valueMethodTables() { return tables; }
