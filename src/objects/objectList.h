#pragma once

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
