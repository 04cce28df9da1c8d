#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "values/tCompiledCode.h"
#include "values/tlogoobject.h"

class tLogoStack;
class tLogoWord;

// The evaluator's compiler for word texts: reads the text as a list and compiles it in the given
// mode. Returns a new compiled form that the word then owns.
using WordCompiler = tCompiledCode* (*)(tLogoWord& word, int mode);
void setWordCompiler(WordCompiler compiler);

// The printer's source form of a word text (escapes and bars), registered by the printer.
using WordSourceFormatter = std::string (*)(const std::string& text, int mode);
void setWordSourceFormatter(WordSourceFormatter formatter);

// Live word objects, counted by every word constructor and destructor.
long liveWordCount();

// Abstract word: caches its name code and its compiled form. The word operations work on the
// text (`WordText`), so every word, number and boolean answers them alike.
class tLogoWord : public tlogoobject {
public:
    tLogoWord();
    ~tLogoWord() override;

    bool IsWord() const override { return true; }
    uint32_t NameCode() override;
    tCompiledCode* Compile(int mode) override;
    std::string PrintText(int mode) override;
    std::string SourceText(int mode) override;
    int32_t AsIntegerIn(int32_t min, int32_t max) override;
    // Always the class's current table: a language switch builds new tables for the new codes.
    tProcDesc* LookupMethod(uint32_t code, int& level) override;

    // Word operations on the text (1-based positions).
    int32_t Count();
    tlogoobject* First();
    tlogoobject* ButFirst();
    tlogoobject* Last();
    tlogoobject* ButLast();
    tlogoobject* Item(tlogoobject* index);
    bool IsMember(tlogoobject* part);
    int32_t Member(tlogoobject* part);
    tlogoobject* Shuffle();
    tlogoobject* Pick();
    tlogoobject* Reverse();
    tlogoobject* Fput(tlogoobject* element);
    tlogoobject* Lput(tlogoobject* element);
    tlogoobject* ButMember(tlogoobject* part);
    tlogoobject* ButItem(tlogoobject* index);
    tlogoobject* Replace(tlogoobject* index, tlogoobject* replacement);
    tlogoobject* FromMember(tlogoobject* part);
    tlogoobject* Char();
    int32_t Ascii();

    // Ordering; equality is Equals / DiffersFrom.
    bool Less(tlogoobject* other);
    bool Greater(tlogoobject* other);
    bool LessOrEqual(tlogoobject* other);
    bool GreaterOrEqual(tlogoobject* other);

    // Arithmetic: results are fresh values (count 0). The receiver must be a number.
    tlogoobject* Add(tlogoobject* other);
    tlogoobject* Subtract(tlogoobject* other);
    tlogoobject* Negate();
    tlogoobject* UnaryPlus();
    tlogoobject* Multiply(tlogoobject* other);
    tlogoobject* Divide(tlogoobject* other);
    tlogoobject* Div(tlogoobject* other);
    tlogoobject* Mod(tlogoobject* other);
    // Over further inputs: the receiver is the first operand, the next n are taken from the top
    // of the stack (so in reverse input order) and removed.
    tlogoobject* Sum(tLogoStack& stack, int n);
    tlogoobject* Product(tLogoStack& stack, int n);
    tlogoobject* Random();
    tlogoobject* Abs();
    tlogoobject* Int();
    tlogoobject* Round();
    tlogoobject* Sin();
    tlogoobject* Cos();
    tlogoobject* Tan();
    tlogoobject* ArcTan();
    tlogoobject* Exp();
    tlogoobject* Ln();
    tlogoobject* Sqrt();
    tlogoobject* Not();
    tlogoobject* BitNot();
    tlogoobject* BitAnd(tLogoStack& stack, int n);
    tlogoobject* BitOr(tLogoStack& stack, int n);
    tlogoobject* BitXor(tLogoStack& stack, int n);

    // The receiver as a number for arithmetic (a whole real stays a real); fails erExpectNumber
    // when it is none.
    virtual tNumeric ReceiverNumber() = 0;
    // Ordering against another value: negative, zero or positive.
    virtual int Order(tlogoobject* other) = 0;

    const char* ClassName() const override { return "tLogoWord"; }

    // Drops the name code and compiled form when the value changes.
    void ResetWordCaches();

private:
    uint32_t nameCode_ = 0;
    std::unique_ptr<tCompiledCode> compiled_;
    uint8_t compileMode_ = 0;
};
