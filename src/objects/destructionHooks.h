#pragma once

class tmultiobject;

// Subsystems above the object model that keep something per object (the key-menu table) let
// go of it here when the object is destroyed. Hooks are added once at start-up and run under
// the interpreter lock, after the processes running in the object have ended.
using tDestructionHook = void (*)(tmultiobject& object);
void addDestructionHook(tDestructionHook hook);
void runDestructionHooks(tmultiobject& object);
