#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class tLogoInt;
class tLogoReal;
class tLogoString;
class tLogoBool;

// Pools of 100 recycled instances each for integers, reals, words and booleans, so that small
// temporaries cost no allocation. Pools are only used by threads running a Logo process, which
// all hold the interpreter lock; every other thread allocates.
constexpr int kValuePoolSize = 100;

// Fills the four pools; called once at start-up after the value method tables exist (instances
// already pooled take the current tables again).
void createValuePools();

// A checked (debug) build asserts that a thread using the pools holds the interpreter lock; the
// process layer installs the test. Release builds ignore it.
void setInterpreterLockCheck(bool (*heldByCaller)());

// Marks the calling thread as running a Logo process (set by the process layer).
void setRunningLogoProcess(bool running);
bool runningLogoProcess();

// Factories: a pooled instance when allowed and available, else a new one. Results have
// count 0. NewWord applies the dictionary-reference rule to the text.
tLogoInt* NewInteger(int32_t value);
tLogoReal* NewReal(long double value);
tLogoString* NewWord(std::string_view text);
tLogoBool* NewBoolean(bool value);
// A word of exactly this text: for pieces cut out of other words, which must not be taken for
// dictionary references. Texts longer than kPooledWordLength make an unpooled word: a variable
// keeps a copy of a pooled value, and copying a long text costs more than the allocation saved.
constexpr size_t kPooledWordLength = 64;
tLogoString* NewLiteralWord(std::string_view text);
// The same, taking the text over instead of copying it when the word is unpooled.
tLogoString* NewLiteralWord(std::string&& text);
inline tLogoString* NewLiteralWord(const char* text) { return NewLiteralWord(std::string_view(text)); }

// Hand-back used by Dispose of pooled instances; false when the pool is full or the calling
// thread runs no Logo process (then the instance is freed by the caller).
bool returnToPool(tLogoInt* value);
bool returnToPool(tLogoReal* value);
bool returnToPool(tLogoString* value);
bool returnToPool(tLogoBool* value);

// How many instances each pool holds now (for tests and diagnostics).
struct tPoolLevels {
    int integers, reals, words, booleans;
};
tPoolLevels valuePoolLevels();
