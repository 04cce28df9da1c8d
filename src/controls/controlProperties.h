#pragma once

class tmultiobject;

// The properties the simple controls declare on their kind classes.

// Where a control lies and whether it answers: the common control properties and commands
// ("aPos", "pos" in the logo coordinates of the page or pane it lies on, "size", "enabled",
// "shown", "hint", "frozen", "showme", "hideme" ...) with the window's tooltip following the
// hint, and "width" and "height".
void declareControlPlacementProperties(tmultiobject& kindClass);

// What each kind shows and holds: a text box its text ("value") and "oneLine"; a button its
// "caption", whether it is "down" and whether it latches ("switch"); a switch its "caption" and
// whether it is on ("down"); a slider "min", "max", its "value" and "vertical".
void declareTextBoxProperties(tmultiobject& kindClass);
void declareButtonProperties(tmultiobject& kindClass);
void declareSwitchProperties(tmultiobject& kindClass);
void declareSliderProperties(tmultiobject& kindClass);
// How a text box writes ("font", "colour") and what it lies on ("bgcolour"); a slider's
// "bgcolour" and whether it lets what lies under it show ("transparent").
void declareTextBoxLook(tmultiobject& kindClass);
void declareSliderLook(tmultiobject& kindClass);
// A button's "picture", shown beside its caption.
void declareButtonPicture(tmultiobject& kindClass);
// The "caption" alone, for kinds that show one beside what they hold.
void declareCaptionProperty(tmultiobject& kindClass);
