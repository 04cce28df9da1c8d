#pragma once

class tCompiledForm;
class tLogoList;
class tLogoWord;

// Turns an instruction list (or the text of a word) into its flat token form. Installed as the
// compiler of lists and words, which cache the result with its mode.
tCompiledForm* compileList(tLogoList& list, int mode);
tCompiledForm* compileWord(tLogoWord& word, int mode);
