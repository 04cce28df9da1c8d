#include "values/valueMethodTables.h"

tValueMethodTables currentValueMethodTables;

void setValueMethodTables(const tValueMethodTables& tables) { currentValueMethodTables = tables; }
