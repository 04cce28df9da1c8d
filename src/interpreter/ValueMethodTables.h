#pragma once

// Builds the shared method tables through which words, integers, reals, booleans and lists
// answer the primitive names dispatched to them, and hands them to the value classes. Called
// once at start-up, before the value pools are filled and before any value is made; builds
// them again after every language switch (values look methods up in the current tables).
// Switch languages while holding the interpreter lock: the tables are replaced unguarded.
void buildValueMethodTables();

class tProcDesc;
// Whether a method found in a list's table is the list's "lput".
bool isListLput(const tProcDesc* method);
