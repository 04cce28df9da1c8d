#pragma once

// Brings the value core and the evaluator up, in the one order that works: values point at
// their method tables from birth, so the tables come before any value, and the pools before
// the first Logo process. Safe to call once per program.
void startEvaluator();
