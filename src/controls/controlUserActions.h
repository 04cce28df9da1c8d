#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "objects/eventNames.h"

class tLogoControlParams;

// What the user does to a control, as the window reports it. Each report stores the new state at
// once (on the window thread, without telling the window back) and names the events it fires;
// the window then fires them under the interpreter lock with fireControlEvents.

// A button pressed (true) or let go: a plain button is down while held and fires "onPush" and
// then "onRelease"; a latching button and a switch turn over on each press, firing "onPush" when
// they go down (on) and "onRelease" when they come up (off).
std::vector<tEventKey> reportPush(tLogoControlParams& control, bool pressed);
// A text box's text edited ("onChange"), or the edit finished ("onChanged").
std::vector<tEventKey> reportEdit(tLogoControlParams& control, const std::string& text, bool finished);
// A slider's value moved ("onChange") or set down ("onChanged"); kept inside its bounds.
std::vector<tEventKey> reportSlide(tLogoControlParams& control, int value, bool finished);
// A colour picked with a colour button's chooser, or a page picked on a page switch (by its
// name): a pick is done at once, so both "onChange" and "onChanged" when it differs.
std::vector<tEventKey> reportColour(tLogoControlParams& control, uint32_t colour);
std::vector<tEventKey> reportPage(tLogoControlParams& control, const std::string& page);

// Fires the events as processes with the control's object as the current object, while the
// object lives. An "onChange" that comes while the control's last one still runs is left out,
// so a fast slider does not pile processes up; its handler reads the latest value anyway, and
// "onChanged" follows at the end. A picker first does what it does with the pick
// (pickerResponses.h).
void fireControlEvents(tLogoControlParams& control, const std::vector<tEventKey>& events);
