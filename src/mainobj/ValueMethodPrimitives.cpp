#include "mainobj/mainPrimitives.h"

#include "interpreter/integerOperators.h"
#include "values/registration.h"
#include "values/tObjectProcDesc.h"

// Names answered by the receiver's own method table: these descriptors only find the
// receiver among the inputs and dispatch to the method of the same name.

namespace {

enum tReceiver : uint8_t { kLastInput, kFirstInput, kSecondOfThree };

struct tMethodRow {
    const char* name;
    int32_t inputs;
    uint8_t binding;  // 1 for full-expression inputs; operators keep their precedence here
    tReceiver receiver;
    bool literal;     // registered under this very text in every language
};

constexpr uint8_t kComparison = 2, kSign = 3, kAdditive = 4, kMultiplicative = 5;

constexpr tMethodRow kMethodRows[] = {
    {"count", 1, 0, kLastInput, false},
    {"first", 1, 0, kLastInput, false},
    {"!", 1, 0, kLastInput, false},
    {"!2", 1, 0, kLastInput, false},
    {"fput", 2, 0, kLastInput, false},
    {"lput", 2, 0, kLastInput, false},
    {"+", 2, kAdditive, kFirstInput, true},
    {"-", 2, kAdditive, kFirstInput, true},
    {"<unary ->", 1, kSign, kLastInput, true},
    {"<unary +>", 1, kSign, kLastInput, true},
    {"*", 2, kMultiplicative, kFirstInput, true},
    {"/", 2, kMultiplicative, kFirstInput, true},
    {"quotient", 2, 0, kFirstInput, false},
    {"difference", 2, 0, kFirstInput, false},
    {"random", 1, 0, kLastInput, false},
    {"randompos", 1, 0, kLastInput, false},
    {"abs", 1, 0, kLastInput, false},
    {"int", 1, 0, kLastInput, false},
    {"round", 1, 0, kLastInput, false},
    {"sin", 1, 0, kLastInput, false},
    {"cos", 1, 0, kLastInput, false},
    {"tan", 1, 0, kLastInput, false},
    {"arctan", 1, 0, kLastInput, false},
    {"exp", 1, 0, kLastInput, false},
    {"ln", 1, 0, kLastInput, false},
    {"sqrt", 1, 0, kLastInput, false},
    {"vectorangle", 2, 0, kFirstInput, false},
    {"spline", 1, 0, kLastInput, false},
    {"topoints", 1, 0, kLastInput, false},
    {"tovectors", 1, 0, kLastInput, false},
    {"rotate", 2, 0, kLastInput, false},
    {"tintcolour", 2, 0, kLastInput, false},
    {"butfirst", 1, 0, kLastInput, false},
    {"last", 1, 0, kLastInput, false},
    {"butlast", 1, 0, kLastInput, false},
    {"shuffle", 1, 0, kLastInput, false},
    {"sort", 1, 0, kLastInput, false},
    {"pick", 1, 0, kLastInput, false},
    {"reverse", 1, 0, kLastInput, false},
    {"ascii", 1, 0, kLastInput, false},
    {"char", 1, 0, kLastInput, false},
    {"bitnot", 1, 0, kLastInput, false},
    {"not", 1, 1, kLastInput, false},
    {"butmember", 2, 0, kLastInput, false},
    {"less?", 2, 0, kFirstInput, false},
    {"<", 2, kComparison, kFirstInput, true},
    {"greater?", 2, 0, kFirstInput, false},
    {">", 2, kComparison, kFirstInput, true},
    {"<=", 2, kComparison, kFirstInput, true},
    {">=", 2, kComparison, kFirstInput, true},
    {"=", 2, kComparison, kFirstInput, true},
    {"<>", 2, kComparison, kFirstInput, true},
    {"div", 2, 0, kFirstInput, false},
    {"mod", 2, 0, kFirstInput, false},
    {"item", 2, 0, kLastInput, false},
    {"frommember", 2, 0, kLastInput, false},
    {"member?", 2, 0, kLastInput, false},
    {"member", 2, 0, kLastInput, false},
    {"imagesize", 1, 0, kLastInput, false},
    {"delay", 1, 0, kLastInput, false},
    {"setdelay", 2, 0, kFirstInput, false},
    {"sethotspot", 2, 0, kFirstInput, false},
    {"hotspot", 1, 0, kLastInput, false},
    {"setimageinfo", 2, 0, kFirstInput, false},
    {"imageinfo", 1, 0, kLastInput, false},
    // The receiver's table decides how it is walked: lists by element, words by character,
    // images by frame.
    {"foreach", 3, 0, kSecondOfThree, false},
    {"replace", 3, 0, kSecondOfThree, false},
    {"deepreplace", 3, 0, kSecondOfThree, false},
    {"deepitem", 2, 0, kLastInput, false},
    {"butitem", 2, 0, kLastInput, false},
};

template <class T, class... Parameters>
void registerRow(tLogoTab& table, const tMethodRow& row, const Parameters&... parameters)
{
    if (row.literal)
        RegisterLiteral<T>(table, row.name, parameters...);
    else
        RegisterByKey<T>(table, row.name, parameters...);
}

}  // namespace

void registerValueMethodPrimitives(tLogoTab& table)
{
    for (const tMethodRow& row : kMethodRows) {
        switch (row.receiver) {
        case kLastInput:
            registerRow<tObjectProcEndDesc>(table, row, row.binding, row.inputs);
            break;
        case kFirstInput:
            registerRow<tObjectProc1Desc>(table, row, row.binding, row.inputs);
            if (row.literal) markIntegerOperator(static_cast<tProcDesc*>(table.Lookup(nameCode(row.name))), row.name);
            break;
        case kSecondOfThree:
            registerRow<tObjectProcNDesc>(table, row, row.binding, row.inputs, int32_t{1});
            break;
        }
    }
}
