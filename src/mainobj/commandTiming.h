#pragma once

class tLogoTab;

// The "showTime" switch: while it is on, a command runner reports how long each command took.
bool commandTimingOn();
void registerCommandTimingPrimitives(tLogoTab& table);
