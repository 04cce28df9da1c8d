#pragma once

#include "mainobj/system/printFront.h"

class tlogoobject;

// The settings a printing primitive's input gives: a boolean (true: the print dialog first) or
// a list of word-value pairs, "orientation" "landscape" or "portrait", "showsetup" a boolean,
// "printjobname" a text, "copies" 1 to 99. Another key or orientation word fails erBadValue,
// a key without its value erEvenNumber.
tPrintSettings readPrintSettings(tlogoobject* value);
