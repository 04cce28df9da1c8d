#pragma once

#include <cstdint>

class tmultiobject;

// Every named object in creation order, and the root every parentless object inherits from.
// The list holds one reference on each member while it is linked.

void linkObject(tmultiobject* object);
void unlinkObject(tmultiobject* object);
tmultiobject* firstObject();
tmultiobject* lastObject();

// The main object; none until it has been built.
tmultiobject* mainObject();
void setMainObject(tmultiobject* object);

// "Object" followed by a counter that never repeats, for objects created without a name.
int nextAutomaticNumber();

// "#N" names the N-th object after the numbering mark, which a project reader sets before it
// creates the objects its text numbers. Without a mark, #1 is the first object of the list.
void setNumberingMark();
// None when N (after the offset the mark has taken) names no object.
tmultiobject* numberedObject(int32_t n);
