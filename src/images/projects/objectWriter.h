#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class tImageRegistry;
class tmultiobject;

// The objects and classes of a full save as project text: one block per object in creation
// order (the main window last), then one line per relation (behaviours, a page's current
// turtles and stacking order). Lines end with CR LF.
//
// A block starts with the instruction that makes the object again: "newclass" for a class,
// ".new." with the state list keyed by property numbers for an instance, ".setstate." with
// the same list for the objects every program has from the start (kind classes, the main
// window, its first page and turtle). The list is followed by the object's procedures as
// definitions in the object, its events as "setevent" lines, and image values, which a list
// cannot hold, as "set" lines. Objects the load makes are referred to as "#n", their position
// among the objects it makes; the others by their names from the main object down.
// The objects written are the given ones with everything they hold; none given means every
// object the main object holds (a full save). Background pictures of pages and panes are
// written only when the save options ask for them.
// With a copy name the given objects are written as new ones (see tSaveSelection::copyName).
void writeObjectBlocks(std::string& text, tImageRegistry& images, uint8_t options,
                       const std::vector<tmultiobject*>& objects = {},
                       const std::optional<std::string>& copyName = std::nullopt);
