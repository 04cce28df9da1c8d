#pragma once

#include <cstdint>
#include <utility>

class tlogoobject;
class tmultiobject;

// Where a control lies and how large it is: the top-left corner in the pixels of the surface
// it lies on (a window's on the desktop), the width and the height in pixels.
struct tControlBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What a kind of control tells the common control properties about its visual part. The
// functions run on the window thread while the calling process keeps the interpreter lock.
struct tControlKind {
    tControlBounds (*bounds)(tmultiobject& control);
    // Puts the control at the corner and gives it the size; either may be the present one.
    void (*setBounds)(tmultiobject& control, const tControlBounds& bounds);
    // "shown" or "enabled" changed (controlState already answers the new value); none when
    // the state alone is all the kind keeps.
    void (*stateChanged)(tmultiobject& control) = nullptr;
    // "hint" changed (hintOf already answers the new text); none when the kind shows no
    // tooltip of its own.
    void (*hintChanged)(tmultiobject& control) = nullptr;
};

// The switches the common properties keep for each control, in the object model, so that the
// console answers them as the window does.
struct tControlState {
    bool shown = true;
    bool enabled = true;
    bool frozen = false;
};

// Declares on a kind's class object the common control properties ("aPos", "pos", "size",
// "hint", "enabled", "shown", "frozen") and the commands that go with them ("showme",
// "hideme", "enable", "disable", "freezeme", "unfreezeme", ".setapos", ".setpos", "clickedpos",
// "isfrozen?"). Every instance of the class, and of classes made from it, reaches its visual
// part through `kind`, which must outlive the program (kinds keep it in a static).
void declareControlProperties(tmultiobject& kindClass, const tControlKind& kind);

// "frozen" alone, for a kind without the other common properties (the turtle): the mouse
// neither moves nor resizes its objects.
void declareFrozenProperty(tmultiobject& kindClass);

// For a kind that fills what it is shown in (a page): takes "aPos", "pos" and "shown" out of
// the class again, with ".setapos", ".setpos", "showme" and "hideme".
void removeControlPlacement(tmultiobject& kindClass);

// The object is of a kind that declared the common control properties.
bool isControl(tmultiobject& object);

// The state of a control; the defaults for an object that has none set. Safe on any thread.
tControlState controlState(tmultiobject& control);
// Sets the state before the kind has a visual part to tell (a control made hidden).
void setControlShown(tmultiobject& control, bool shown);

// The object or any object around it, walking outwards through places, is frozen: the mouse
// neither moves nor resizes it.
bool isFrozen(tmultiobject& object);
// The mouse reaches the object: it and every object around it through places are shown and
// enabled.
bool takesMouse(tmultiobject& object);

// A side of a control: a whole number of pixels from 1 up (erMinMax below).
int controlSide(tlogoobject* value);
// [width height] as two sides; erExpectList2 when it is not a list of two.
std::pair<int, int> controlSides(tlogoobject* value);
