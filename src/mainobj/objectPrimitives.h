#pragma once

class tLogoTab;

// The object side of the variables family, registered with it: object variables and the
// primitives that choose the addressed objects.
void registerObjectVariablePrimitives(tLogoTab& table);
void registerAddressingPrimitives(tLogoTab& table);

// Setting, reading and running the event handlers of the current object; registered with the
// objects family.
void registerEventPrimitives(tLogoTab& table);
