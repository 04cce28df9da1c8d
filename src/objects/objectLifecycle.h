#pragma once

#include <string>

class tControlObject;
class tLogoList;
class tcontainerobject;
class tmultiobject;

// Making classes and instances, and destroying objects with everything that depends on them.

// Whether some object has this one as its first parent: a class with live instances.
bool hasInstances(const tmultiobject* object);

enum class tCreationForm {
    kNew,     // a property list as a program writes it; "create" and "onCreate" run
    kStored,  // keyed by property numbers (objects read back): the kind makes its visual part
              // directly, and no "onCreate" runs
};

// "new": an instance of the class's object class (its `instanceClass`), placed in the nearest
// object able to hold others around what "myPlace" names or else around `placeFrom` (the
// container when none is given; "new" gives the current object), and entered in the nearest
// container around its place, the given one when there is none. A name comes from the argument, else "name" in the list, else
// the preferred ".name" or the class's prefix with the first free number; a name taken by a
// childless object replaces it, by a class with instances fails erEraseDesc. The class's
// "create" procedure runs with the new object as the current object and the list as its
// creation list; the kind's properties and what is left in the list are assigned afterwards,
// then the object is entered and its "onCreate" handlers run, the most general first. A
// failure before it is entered leaves nothing behind.
tControlObject* createInstance(tcontainerobject& container, tmultiobject* objectClass, std::string name,
                               tLogoList* properties, tCreationForm form = tCreationForm::kNew,
                               tmultiobject* placeFrom = nullptr);

// "newclass": a class inheriting from the base, registered in the container under the name.
tControlObject* createClass(tcontainerobject& container, tmultiobject* base, const std::string& name,
                            tLogoList* properties);

// "eraseobject" and "erasecomplete": a persistent object fails erErasePersistent unless
// erasing persistent objects is allowed, and without `evenClasses` a class with instances
// fails erEraseDesc; otherwise the object is destroyed.
void eraseObject(tmultiobject* object, bool evenClasses);
void setPersistentErasing(bool allowed);

// Destroys the object: its "destroy" procedure, the processes running in it, its place in
// the global list and in its owner's table, and, by cascade, the objects made from it or
// placed in it; objects that only use it as a behaviour lose the behaviour. Inside a process
// the object stays allocated until the command has ended (destroyedObjects.h), since the
// procedure that erased it may be its own.
void destroyObject(tmultiobject* object);

// Lets object tables destroy the objects they hold.
void installObjectDestruction();
