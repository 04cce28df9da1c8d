#pragma once

// The vocabulary every other subsystem asks for: the current Logo language dictionary,
// the interface dictionary, name codes and the language's name comparison.
// Words are 8-bit byte strings in the language's code page. All functions are thread-safe.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Makes `name` the current language ("*" or "" mean english). With testOnly the dictionary is
// loaded and discarded. Renews the cached words and rebuilds the name codes. False on failure;
// the current language then stays.
bool switchLanguage(std::string_view name, bool testOnly = false);
std::string currentLanguage();
// Called after every switch that changes the current language (the first load of english
// included), on the switching thread, in the order registered; tables derived from the
// dictionary (property rows, event codes, colour names) rebuild here. A listener registered
// after a language is loaded builds its tables once itself.
void onLanguageSwitched(std::function<void()> listener);

// Language dictionary lookups; keys and sections are English internal names.
std::string getStr(std::string_view section, std::string_view key, bool report);
std::string dictWord(std::string_view key);
std::string setWords(std::string_view key);
std::string getWords(std::string_view key);
std::string primaryName(std::string_view key);   // "@key@" when missing
std::string primaryWord(std::string_view section, std::string_view key);
std::string primaryWordOrEmpty(std::string_view section, std::string_view key);
std::string textMessage(std::string_view key, const std::vector<std::string>& args = {});
bool isWord(std::string_view section, std::string_view key, std::string_view word);
bool isTrueWord(std::string_view word);
bool isFalseWord(std::string_view word);
std::string boolWord(bool flag);
std::string usualPrefix();                        // primary word of "usual" + "'"
std::string setterName(std::string_view name);    // prefix + name + suffix from system "setfix"
// The "ansi" output option: fallback names and boolean words lose their diacritics.
void setAnsiOutput(bool on);

// 0xB7 words name dictionary entries independently of the language.
std::string resolveNeutralName(std::string_view word);
std::string translateNeutral(std::string_view text);

// The language's name comparison: negative, zero or positive. Case-insensitive; with a
// system "ansi" entry, also blind to the diacritics of the folding map.
int compareWords(std::string_view a, std::string_view b);
inline bool sameWord(std::string_view a, std::string_view b) { return compareWords(a, b) == 0; }

// Name codes: every name interned as a positive integer from 1, rebuilt on every switch.
// "#n" (n a 16-bit number) is n + 0x7FFFFFFF, names an object by number and is never stored;
// codes are unsigned so that those stay above every interned one.
using NameCode = uint32_t;
constexpr NameCode kObjectNumberCodeBase = 0x7FFFFFFFu;
NameCode nameCode(std::string_view text);
NameCode findCode(std::string_view text);         // 0 when unknown
std::string codeName(NameCode code);              // "<Unknown name>" when unknown
NameCode setterCode(std::string_view text);       // code of the setter name of `text`
std::vector<NameCode> nameCodes(std::string_view key); // codes of every "dict" synonym of key

// Interface dictionary (texts of the environment and error messages); empty when missing.
std::string uiString(std::string_view section, std::string_view key);
std::string uiFormat(std::string_view key, const std::vector<std::string>& args);
// Whether this thread's last uiString found its entry.
bool uiFound();
// The first of `sections` that has `key` (a window's class chain, then "$common").
std::string uiStringInChain(const std::vector<std::string>& sections, std::string_view key);
std::string interfaceLanguage();                  // name of the chosen interface dictionary
