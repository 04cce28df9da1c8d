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

void setValueMethodTables(const tValueMethodTables& tables);
const tValueMethodTables& valueMethodTables();
