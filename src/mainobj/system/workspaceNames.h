#pragma once

#include <cstdint>

class tLogoList;
class tLogoTab;
class tTabDesc;
class tlogoobject;

// Whether a listing primitive shows the entry: system names ("@...") never, buried and hidden
// names as the listing switches say.
bool listed(const tTabDesc& entry);
// The names of the table's listed entries that pass the filter, in insertion order.
tLogoList* listedNames(tLogoTab& table, bool (*filter)(tTabDesc&) = nullptr);
// Whether a procedure descriptor is a user procedure.
bool isUserProcedure(tTabDesc& entry);
// Calls the action for the word, or for every element of a list.
void forEachName(tlogoobject* input, void (*action)(tlogoobject* name));
