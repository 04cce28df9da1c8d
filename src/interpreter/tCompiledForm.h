#pragma once

#include <cstdint>
#include <vector>

#include "values/tCompiledCode.h"

class tlogoobject;

// Token kinds of a compiled instruction list. The numbers are part of the design (the position
// trail of an error counts tokens), so they stay as they are.
enum tTokenKind : uint8_t {
    tkComparison = 2,      // "=", "<", ">", "<=", ">=", "<>"
    tkUnarySign = 3,       // "<unary ->" or "<unary +>", rewritten from tkAdditive at run time
    tkAdditive = 4,        // "+" or "-"
    tkMultiplicative = 5,  // "*" or "/"
    tkName = 6,            // a procedure call
    tkOpen = 7,
    tkClose = 8,
    tkVariable = 9,        // ":name"
    tkLiteral = 10,        // number, quoted word, list or any other value
    tkEnd = 11,
    tkQualifier = 12,      // "object'": the next name is looked up in that object
    tkInherited = 13,      // "usual'name": the next definition up the lookup chain
};

class tLogoTab;
class tProcDesc;

// What a plain name token resolved to the last time it ran, and in which lookup: valid while
// the name tables are unchanged and the token runs in the same object with the same private
// table (the answer the shared resolution cache would give, without its hashing).
struct tNameCache {
    uint64_t generation;
    const tlogoobject* object;
    const tLogoTab* privateTable;
    uint32_t code;
    int level;
    tProcDesc* descriptor;
    uint8_t integerOperator;  // a tIntegerOperator (integerOperators.h) when the descriptor is one
};

struct tToken {
    uint8_t kind;
    // Set when the token directly follows "(", possibly through qualifiers: a procedure with
    // variable inputs then takes everything up to the ")".
    uint8_t afterParen;
    uint32_t code;          // name code of kinds 2 to 6, 9, 12, 13
    union {
        tlogoobject* value;  // counted literal of kind 10
        tNameCache* cache;   // kinds 2 to 6: owned by the form, made on the first resolution
    };
};

// The flat token array of an instruction list. The last token is always tkEnd. Positions
// reported in errors are 1-based token indices.
//
// A form is shared: the list or word that caches it holds it through a tCachedForm, and every
// run holds it through a tFormHold. A list asked for another mode replaces its cache while one
// of its runs may still be walking the old tokens; the old form lives until that run ends.
// Holds are counted under the interpreter lock, like value counts.
class tCompiledForm {
public:
    // Compile modes: the elements are the instructions; the elements are lines; clause form.
    // kTemplateLines is the lines mode of "apply"-like templates, in which "%" and "%n" name
    // the inputs.
    enum Mode : uint8_t { kInstructions = 0, kLines = 2, kClauses = 3, kTemplateLines = 4 };

    // source: the list or word compiled (not counted; only compared, never read).
    tCompiledForm(uint8_t mode, const tlogoobject* source) : mode(mode), source(source) {}
    tCompiledForm(const tCompiledForm&) = delete;
    tCompiledForm& operator=(const tCompiledForm&) = delete;

    void AddName(tTokenKind kind, uint32_t code);
    void AddLiteral(tlogoobject* value);   // counts the value up
    void AddPlain(tTokenKind kind);
    void Finish();                         // appends End

    tToken* begin() { return tokens.data(); }
    int PositionOf(const tToken* token) const { return static_cast<int>(token - tokens.data()) + 1; }
    // The header's mode byte: 1 for the clause form, 0 otherwise.
    uint8_t HeaderMode() const { return mode == kClauses ? 1 : 0; }

    void Hold() { ++holders_; }
    void Drop()
    {
        if (--holders_ == 0) delete this;
    }

    uint8_t mode;
    const tlogoobject* source;
    std::vector<tToken> tokens;

private:
    ~tCompiledForm();
    void Add(tToken token);
    int holders_ = 0;
};

// What a list or word keeps in its compile cache: one hold on its current form.
class tCachedForm : public tCompiledCode {
public:
    explicit tCachedForm(tCompiledForm* form) : form(form) { form->Hold(); }
    ~tCachedForm() override { form->Drop(); }
    tCachedForm(const tCachedForm&) = delete;
    tCachedForm& operator=(const tCachedForm&) = delete;

    tCompiledForm* const form;
};

// Keeps a form alive for the length of a run.
class tFormHold {
public:
    explicit tFormHold(tCompiledForm& form) : form_(form) { form_.Hold(); }
    ~tFormHold() { form_.Drop(); }
    tFormHold(const tFormHold&) = delete;
    tFormHold& operator=(const tFormHold&) = delete;

private:
    tCompiledForm& form_;
};
