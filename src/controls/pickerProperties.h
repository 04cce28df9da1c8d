#pragma once

class tmultiobject;
class tlogoobject;

// The properties of the picker kinds. A colour button's "value" is its colour; a colour
// slider's "colour" names the row of shades it runs over and its "value" is the shade at the
// thumb, as a colour; a width switch's "value" is a pen width; a melody button has a "caption"
// and plays its "value", a melody; a page switch's "value" is the page its window shows.
// The colour and width pickers give what the user picks to the pens of their
// "controlledObject" (a name, a list of names, or the empty list).
void declareColourButtonProperties(tmultiobject& kindClass);
void declareColourSliderProperties(tmultiobject& kindClass);
void declareWidthSwitchProperties(tmultiobject& kindClass);
void declareMelodyButtonProperties(tmultiobject& kindClass);
void declarePageSwitchProperties(tmultiobject& kindClass);

// The widest pen a width switch offers.
constexpr int kWidestPickedPen = 99;
