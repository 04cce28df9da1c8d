#pragma once

#include <cstdint>
#include <string>

class tlogoobject;

// The save options: bits of one byte kept for the main object and stored in a full save's
// `.setsaveoptions` line. Words are matched through the language's "param" synonyms.
enum tSaveOption : uint8_t {
    soBackup = 1 << 0,     // keep the previous file as name + ".bak"
    soReadOnly = 1 << 1,   // mark the written file read-only
    soPageBg = 1 << 2,     // store the pages' background pictures
    soPaneBg = 1 << 3,     // store the panes' background pictures
    soExtraImages = 1 << 4 // images in a separate "$name.LGF" file
};

// The bits a list of option words names; "startup" is known and names none. Another word, or a
// list among them, fails erBadValue with it.
uint8_t saveOptionsOf(tlogoobject* words);
// The option words of the bits, as a list in list notation ("[backup extraimg]").
std::string saveOptionsText(uint8_t options);

uint8_t storedSaveOptions();
void storeSaveOptions(uint8_t options);
