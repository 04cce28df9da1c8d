#pragma once

class tlogoobject;

// A number times a list scales the list; a number divided by a list rotates the list by that
// many degrees. The list layer registers both.
struct tListArithmetic {
    tlogoobject* (*scale)(tlogoobject& list, long double factor) = nullptr;
    tlogoobject* (*rotate)(tlogoobject& list, long double degrees) = nullptr;
};

void setListArithmetic(const tListArithmetic& operations);
const tListArithmetic& listArithmetic();
