#pragma once

// Which names the listing primitives ("procs", "variables", "props" ...) leave out. Buried names
// are left out while "setbury" is on (the start); hidden names only show while the environment
// switches the listing of hidden names on.
bool buriedNamesLeftOut();
void setBuriedNamesLeftOut(bool leftOut);
bool hiddenNamesShown();
void setHiddenNamesShown(bool shown);
