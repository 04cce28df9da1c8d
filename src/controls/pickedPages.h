#pragma once

#include <string>
#include <vector>

class tlogoobject;
class tmultiobject;

// What a page switch switches: the pages of the window it lies in (through its page or pane),
// under the interpreter lock. erNotInsideWin when no window holds it.

// The names of the window's pages, in the order they were made.
std::vector<std::string> windowPagesAround(tmultiobject& control);
// The name of the page the window shows; empty when it shows none.
std::string pageShownAround(tmultiobject& control);
// Shows one of the window's pages, named or given as the object (erPageNotExist otherwise),
// with the window's "onHidePage" and "onShowPage" as "activePage" fires them. In a process.
void showPageAround(tmultiobject& control, tlogoobject* page);
