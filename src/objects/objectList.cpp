#include "objects/objectList.h"

#include "objects/tmultiobject.h"

namespace {
tmultiobject* first = nullptr;
tmultiobject* last = nullptr;
tmultiobject* root = nullptr;
int automaticNumber = 0;
tmultiobject* mark = nullptr;
int32_t markOffset = 0;
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
    // The numbers after the mark must keep naming the same objects.
    if (object == mark) {
        mark = object->previous ? object->previous : object->next;
        if (!object->previous) ++markOffset;
    }
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

void setNumberingMark()
{
    mark = last;
    markOffset = 0;
}

tmultiobject* numberedObject(int32_t n)
{
    if (n < 1) return nullptr;
    // After the mark has moved forward, the number of the mark itself is the offset.
    int32_t steps = n - markOffset;
    if (steps < 0) return nullptr;
    tmultiobject* at = mark;
    if (!at) {
        at = first;
        --steps;
    }
    while (at && steps-- > 0) at = at->next;
    return at;
}
