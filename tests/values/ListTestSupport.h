#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"

// Lists and values for list tests, written as Logo text: "[a b]" is a list, "3" a number.
tLogoRef<tLogoList> listOf(std::string_view text);
tLogoRef<tlogoobject> valueOf(std::string_view text);

using ListOperation = std::function<tlogoobject*(tLogoList& list, tlogoobject* input, tlogoobject* second)>;

// The print form (as an element) of the operation's result, or "error <key name>" when it
// fails with a Logo error. The inputs are held until the result has been printed, as the
// evaluator holds them, since a result may be one of them.
std::string outcome(std::string_view receiver, const ListOperation& operation, std::string_view input = "",
                    std::string_view second = "");

// An operation written as an expression of l (the list), x (the input) and y (the second input).
#define LIST_OPERATION(call) \
    [](tLogoList& l, [[maybe_unused]] tlogoobject* x, [[maybe_unused]] tlogoobject* y) -> tlogoobject* { return call; }

// One row of an operation table: the receiver, the inputs and the expected outcome.
struct tListCase {
    const char* receiver;
    const char* input;
    const char* expected;  // print form, or "error <key>"
    const char* second = "";
};

// Checks every row; failures name the operation and the row.
void checkCases(const char* name, const ListOperation& operation, std::initializer_list<tListCase> cases);

// Installs evaluator hooks for the life of the object, then puts the previous ones back.
class tEvaluatorOverride {
public:
    explicit tEvaluatorOverride(const tListEvaluator& hooks) : saved(listEvaluator()) { setListEvaluator(hooks); }
    ~tEvaluatorOverride() { setListEvaluator(saved); }

private:
    tListEvaluator saved;
};

// Sets the "strict" level for the life of the object.
class tStrictLevel {
public:
    explicit tStrictLevel(int level);
    ~tStrictLevel();

private:
    int saved;
};

// Switches to English and connects the list layer once.
void setUpListLayer();
