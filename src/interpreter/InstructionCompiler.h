#pragma once

class tCachedForm;
class tLogoList;
class tLogoWord;

// Turns an instruction list (or the text of a word) into its flat token form. Installed as the
// compiler of lists and words, which keep the returned cache entry with its mode.
tCachedForm* compileList(tLogoList& list, int mode);
tCachedForm* compileWord(tLogoWord& word, int mode);
