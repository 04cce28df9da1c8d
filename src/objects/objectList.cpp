#include "objects/objectList.h"

#include "objects/tmultiobject.h"

namespace {
tmultiobject* first = nullptr;
tmultiobject* last = nullptr;
tmultiobject* root = nullptr;
int automaticNumber = 0;
}  // namespace

void linkObject(tmultiobject* object)
{
    AddRef(object);
    object->previous = last;
    object->next = nullptr;
    (last ? last->next : first) = object;
    last = object;
}

void unlinkObject(tmultiobject* object)
{
    bool linked = object->previous || object->next || first == object;
    if (!linked) return;
    (object->previous ? object->previous->next : first) = object->next;
    (object->next ? object->next->previous : last) = object->previous;
    object->previous = object->next = nullptr;
    Release(object);
}

tmultiobject* firstObject() { return first; }
tmultiobject* lastObject() { return last; }
tmultiobject* mainObject() { return root; }
void setMainObject(tmultiobject* object) { root = object; }
int nextAutomaticNumber() { return ++automaticNumber; }
