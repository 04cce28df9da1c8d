#pragma once

// The "strict" option, 0 to 2: whether word and list operations on empty values fail.
// Process-wide, set only by "setoption".
int strictLevel();
void setStrictLevel(int level);
