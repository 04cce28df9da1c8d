#pragma once

class tLogoTab;

// The shared method tables through which words, integers, reals and booleans answer primitive
// names. The interpreter builds them at start-up; values only point at them.
struct tValueMethodTables {
    tLogoTab* word = nullptr;
    tLogoTab* integer = nullptr;
    tLogoTab* real = nullptr;
    tLogoTab* boolean = nullptr;
};

// Set the tables before createValuePools(): pooled instances keep the tables they were given.
void setValueMethodTables(const tValueMethodTables& tables);

// Read on every value construction, so kept inline.
extern tValueMethodTables currentValueMethodTables;
inline const tValueMethodTables& valueMethodTables() { return currentValueMethodTables; }
