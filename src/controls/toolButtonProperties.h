#pragma once

class tmultiobject;

// The properties a tool button declares besides where it lies: its "caption", whether it is
// "down" (a tool down is the active tool button), its "group" (0: a plain button of a tool
// bar), "allUp", "flat", "oneShot", "style" (0 to 3: what it shows) and a button's "picture".
void declareToolButtonProperties(tmultiobject& kindClass);
