#pragma once

#include <string>

class tControlObject;
class tLogoList;
class tcontainerobject;
class tmultiobject;

// Making classes and instances, and destroying objects with everything that depends on them.

// Whether some object has this one as its first parent: a class with live instances.
bool hasInstances(const tmultiobject* object);

// "new": an instance of the class, placed and registered in the container. An empty name
// takes the class's name prefix followed by the first free number. The class's "create"
// procedure runs with the new object as the current object and the property list as its
// creation list; what it leaves there is assigned afterwards (properties and own variables).
tControlObject* createInstance(tcontainerobject& container, tmultiobject* objectClass, std::string name,
                               tLogoList* properties);

// "newclass": a class inheriting from the base, registered in the container under the name.
tControlObject* createClass(tcontainerobject& container, tmultiobject* base, const std::string& name,
                            tLogoList* properties);

// Destroys the object: its "destroy" procedure, the processes running in it, its place in
// the global list and in its owner's table, and, by cascade, the objects made from it or
// placed in it; objects that only use it as a behaviour lose the behaviour. Inside a process
// the object stays allocated until the command has ended (destroyedObjects.h), since the
// procedure that erased it may be its own.
void destroyObject(tmultiobject* object);

// Lets object tables destroy the objects they hold.
void installObjectDestruction();
