#pragma once

class tlogoobject;
class tmultiobject;

// The "keyMenu" property: the keys an object answers and what each runs (keyMenuParsing.h).
// Reading gives the list it was set to, or the empty list. Setting replaces the object's
// entries in the key-menu table, its entries then coming last; a list that fails to parse
// leaves both the table and the stored list as they were.

// Declares the property on a kind's class, so that every instance gets it bound to itself.
void declareKeyMenuProperty(tmultiobject& kindClass);

// The main window's "acceptKeyMenu": whether key menus answer strokes at all (a boolean).
void declareAcceptKeyMenuProperty(tmultiobject& windowClass);

tlogoobject* keyMenuOf(tmultiobject& object);
void setKeyMenu(tmultiobject& object, tlogoobject* value);
// A destroyed object leaves the table.
void forgetKeyMenu(tmultiobject& object);
