#include "interpreter/ValueMethodTables.h"

#include <string>
#include <vector>

#include "interpreter/ValueForEach.h"
#include "interpreter/drawingListPointsHook.h"
#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/registration.h"
#include "values/tLogoList.h"
#include "values/tLogoTab.h"
#include "values/tLogoWord.h"
#include "values/tPasProcDesc.h"
#include "values/valueMethodTables.h"

namespace {

using W = tLogoWord;
using L = tLogoList;
using O = tlogoobject;

// A class operation as a value-method routine of the receiver's class.
template <class C, auto Method>
auto call0(tlogoobject& receiver)
{
    return (static_cast<C&>(receiver).*Method)();
}
template <class C, auto Method>
auto call1(tlogoobject& receiver, tlogoobject* a)
{
    return (static_cast<C&>(receiver).*Method)(a);
}
template <class C, auto Method>
auto call2(tlogoobject& receiver, tlogoobject* a, tlogoobject* b)
{
    return (static_cast<C&>(receiver).*Method)(a, b);
}

// Entries that are present for a class but always fail.
tlogoobject* failNotBool(tlogoobject& receiver) { throw eLogoException(erNotBool, &receiver); }
tlogoobject* failBitNot(tlogoobject& receiver) { failInteger32(&receiver); }
tlogoobject* failInternal(tlogoobject&, tlogoobject*) { throw eLogoException(erUnexpected); }

using Adder = void (*)(tLogoTab& table, uint32_t code, uint8_t binding);

template <class Descriptor, auto Operation>
void add(tLogoTab& table, uint32_t code, uint8_t binding)
{
    table.PutEntry(new Descriptor(code, binding, Operation));
}

enum tClasses : uint8_t {
    kWord = 1,
    kInteger = 2,
    kReal = 4,
    kBoolean = 8,
    kNumbers = kWord | kInteger | kReal,
    kAll = kNumbers | kBoolean,
};

// One row per name: keys go through the dictionary, operators are taken literally. The
// binding of an operator is its precedence class.
struct tMethodRow {
    const char* name;
    bool literal;
    uint8_t binding;
    uint8_t classes;
    Adder add;
};

constexpr uint8_t kComparison = 2, kSign = 3, kAdditive = 4, kMultiplicative = 5;

const tMethodRow kWordRows[] = {
    {"count", false, 0, kAll, add<tPasProcDesc0i, call0<W, &W::Count>>},
    {"first", false, 0, kAll, add<tPasProcDesc0p, call0<W, &W::First>>},
    {"last", false, 0, kAll, add<tPasProcDesc0p, call0<W, &W::Last>>},
    {"butfirst", false, 0, kAll, add<tPasProcDesc0p, call0<W, &W::ButFirst>>},
    {"butlast", false, 0, kAll, add<tPasProcDesc0p, call0<W, &W::ButLast>>},
    {"shuffle", false, 0, kAll, add<tPasProcDesc0p, call0<W, &W::Shuffle>>},
    {"pick", false, 0, kAll, add<tPasProcDesc0p, call0<W, &W::Pick>>},
    {"reverse", false, 0, kAll, add<tPasProcDesc0p, call0<W, &W::Reverse>>},
    {"fput", false, 0, kAll, add<tPasProcDesc1p, call1<W, &W::Fput>>},
    {"lput", false, 0, kAll, add<tPasProcDesc1p, call1<W, &W::Lput>>},
    {"item", false, 0, kAll, add<tPasProcDesc1p, call1<W, &W::Item>>},
    {"butmember", false, 0, kAll, add<tPasProcDesc1p, call1<W, &W::ButMember>>},
    {"frommember", false, 0, kAll, add<tPasProcDesc1p, call1<W, &W::FromMember>>},
    {"butitem", false, 0, kAll, add<tPasProcDesc1p, call1<W, &W::ButItem>>},
    {"replace", false, 0, kAll, add<tPasProcDesc2p, call2<W, &W::Replace>>},
    {"member?", false, 0, kAll, add<tPasProcDesc1b, call1<W, &W::IsMember>>},
    {"member", false, 0, kAll, add<tPasProcDesc1i, call1<W, &W::Member>>},
    {"char", false, 0, kAll, add<tPasProcDesc0p, call0<W, &W::Char>>},
    {"ascii", false, 0, kAll, add<tPasProcDesc0i, call0<W, &W::Ascii>>},
    {"not", false, 0, kWord | kBoolean, add<tPasProcDesc0p, call0<W, &W::Not>>},
    {"not", false, 0, kInteger, add<tPasProcDesc0p, failNotBool>},
    {"bitnot", false, 0, kWord | kInteger, add<tPasProcDesc0p, call0<W, &W::BitNot>>},
    {"bitnot", false, 0, kBoolean, add<tPasProcDesc0p, failBitNot>},
    {"less?", false, 0, kAll, add<tPasProcDesc1b, call1<W, &W::Less>>},
    {"<", true, kComparison, kAll, add<tPasProcDesc1b, call1<W, &W::Less>>},
    {"greater?", false, 0, kAll, add<tPasProcDesc1b, call1<W, &W::Greater>>},
    {">", true, kComparison, kAll, add<tPasProcDesc1b, call1<W, &W::Greater>>},
    {"<=", true, kComparison, kAll, add<tPasProcDesc1b, call1<W, &W::LessOrEqual>>},
    {">=", true, kComparison, kAll, add<tPasProcDesc1b, call1<W, &W::GreaterOrEqual>>},
    {"=", true, kComparison, kAll, add<tPasProcDesc1b, call1<O, &O::Equals>>},
    {"<>", true, kComparison, kAll, add<tPasProcDesc1b, call1<O, &O::DiffersFrom>>},
    {"div", false, 0, kNumbers, add<tPasProcDesc1p, call1<W, &W::Div>>},
    {"mod", false, 0, kNumbers, add<tPasProcDesc1p, call1<W, &W::Mod>>},
    {"div", false, 0, kBoolean, add<tPasProcDesc1p, failInternal>},
    {"mod", false, 0, kBoolean, add<tPasProcDesc1p, failInternal>},
    {"+", true, kAdditive, kNumbers, add<tPasProcDesc1p, call1<W, &W::Add>>},
    {"-", true, kAdditive, kNumbers, add<tPasProcDesc1p, call1<W, &W::Subtract>>},
    {"difference", false, 0, kNumbers, add<tPasProcDesc1p, call1<W, &W::Subtract>>},
    {"*", true, kMultiplicative, kNumbers, add<tPasProcDesc1p, call1<W, &W::Multiply>>},
    {"/", true, kMultiplicative, kNumbers, add<tPasProcDesc1p, call1<W, &W::Divide>>},
    {"quotient", false, 0, kNumbers, add<tPasProcDesc1p, call1<W, &W::Divide>>},
    {"<unary ->", true, kSign, kNumbers, add<tPasProcDesc0p, call0<W, &W::Negate>>},
    {"<unary +>", true, kSign, kNumbers, add<tPasProcDesc0p, call0<W, &W::UnaryPlus>>},
    {"random", false, 0, kNumbers, add<tPasProcDesc0p, call0<W, &W::Random>>},
    {"abs", false, 0, kNumbers, add<tPasProcDesc0p, call0<W, &W::Abs>>},
    {"int", false, 0, kNumbers, add<tPasProcDesc0p, call0<W, &W::Int>>},
    {"round", false, 0, kNumbers, add<tPasProcDesc0p, call0<W, &W::Round>>},
    {"sin", false, 0, kNumbers, add<tPasProcDesc0p, call0<W, &W::Sin>>},
    {"cos", false, 0, kNumbers, add<tPasProcDesc0p, call0<W, &W::Cos>>},
    {"tan", false, 0, kNumbers, add<tPasProcDesc0p, call0<W, &W::Tan>>},
    {"arctan", false, 0, kNumbers, add<tPasProcDesc0p, call0<W, &W::ArcTan>>},
    {"exp", false, 0, kNumbers, add<tPasProcDesc0p, call0<W, &W::Exp>>},
    {"ln", false, 0, kNumbers, add<tPasProcDesc0p, call0<W, &W::Ln>>},
    {"sqrt", false, 0, kNumbers, add<tPasProcDesc0p, call0<W, &W::Sqrt>>},
    {"foreach", false, 0, kAll, add<tPasProcDesc2p, forEachValue>},
};

// Lists have one class.
const tMethodRow kListRows[] = {
    {"topoints", false, 0, kAll, add<tPasProcDesc0p, listToPoints>},
    {"tovectors", false, 0, kAll, add<tPasProcDesc0p, listToVectors>},
    {"first", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::First>>},
    {"butfirst", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::ButFirst>>},
    {"last", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::Last>>},
    {"butlast", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::ButLast>>},
    {"shuffle", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::Shuffle>>},
    {"sort", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::Sort>>},
    {"pick", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::Pick>>},
    {"reverse", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::Reverse>>},
    {"random", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::Random>>},
    {"randompos", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::RandomPos>>},
    {"abs", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::Abs>>},
    {"int", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::Int>>},
    {"round", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::Round>>},
    {"!", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::Substitute>>},
    {"!2", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::SubstituteEven>>},
    {"spline", false, 0, kAll, add<tPasProcDesc0p, call0<L, &L::Spline>>},
    {"count", false, 0, kAll, add<tPasProcDesc0i, call0<L, &L::Count>>},
    {"fput", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::Fput>>},
    {"lput", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::Lput>>},
    {"vectorangle", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::VectorAngle>>},
    {"div", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::Div>>},
    {"mod", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::Mod>>},
    {"difference", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::Difference>>},
    {"item", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::Item>>},
    {"deepitem", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::DeepItem>>},
    {"butmember", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::ButMember>>},
    {"frommember", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::FromMember>>},
    {"butitem", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::ButItem>>},
    {"rotate", false, 0, kAll, add<tPasProcDesc1p, call1<L, &L::Rotate>>},
    {"member?", false, 0, kAll, add<tPasProcDesc1b, call1<L, &L::IsMember>>},
    {"member", false, 0, kAll, add<tPasProcDesc1i, call1<L, &L::Member>>},
    {"not", false, 0, kAll, add<tPasProcDesc0b, call0<L, &L::Not>>},
    {"replace", false, 0, kAll, add<tPasProcDesc2p, call2<L, &L::Replace>>},
    {"deepreplace", false, 0, kAll, add<tPasProcDesc2p, call2<L, &L::DeepReplace>>},
    {"foreach", false, 0, kAll, add<tPasProcDesc2p, forEachValue>},
    {"+", true, kAdditive, kAll, add<tPasProcDesc1p, call1<L, &L::Add>>},
    {"-", true, kAdditive, kAll, add<tPasProcDesc1p, call1<L, &L::Subtract>>},
    {"*", true, kMultiplicative, kAll, add<tPasProcDesc1p, call1<L, &L::Multiply>>},
    {"/", true, kMultiplicative, kAll, add<tPasProcDesc1p, call1<L, &L::Divide>>},
    {"=", true, kComparison, kAll, add<tPasProcDesc1b, call1<O, &O::Equals>>},
    {"<>", true, kComparison, kAll, add<tPasProcDesc1b, call1<O, &O::DiffersFrom>>},
    {"<unary ->", true, kSign, kAll, add<tPasProcDesc0p, call0<L, &L::Negate>>},
    {"<unary +>", true, kSign, kAll, add<tPasProcDesc0p, call0<L, &L::UnaryPlus>>},
};

tLogoTab* sharedTable()
{
    auto* table = new tLogoTab(nullptr, "commandsLabel");
    table->shared = 1;
    return table;
}

// Registers the rows whose classes include `which` into the table.
template <size_t N>
void fill(tLogoTab& table, const tMethodRow (&rows)[N], uint8_t which)
{
    for (const tMethodRow& row : rows) {
        if (!(row.classes & which)) continue;
        std::vector<std::string> names = row.literal ? std::vector<std::string>{row.name} : registrationNames(row.name);
        for (const std::string& name : names) row.add(table, nameCode(name), row.binding);
    }
}

void registerValueMethodTables()
{
    // Tables of an earlier language stay: values made before the switch and calls running in
    // them still point into them. A few per program run, held here so they are not lost.
    static auto* kept = new std::vector<tLogoTab*>;
    tValueMethodTables tables{sharedTable(), sharedTable(), sharedTable(), sharedTable()};
    fill(*tables.word, kWordRows, kWord);
    fill(*tables.integer, kWordRows, kInteger);
    fill(*tables.real, kWordRows, kReal);
    fill(*tables.boolean, kWordRows, kBoolean);
    tLogoTab* lists = sharedTable();
    fill(*lists, kListRows, kAll);
    kept->insert(kept->end(), {tables.word, tables.integer, tables.real, tables.boolean, lists});
    setValueMethodTables(tables);
    setListMethodTable(lists);
}

}  // namespace

bool isListLput(const tProcDesc* method)
{
    auto* operation = dynamic_cast<const tPasProcDesc1p*>(method);
    return operation && operation->classOperation == &call1<L, &L::Lput>;
}

void buildValueMethodTables()
{
    // A switch renumbers the names and gives them other words, so the tables are made anew.
    static const bool listening = [] {
        onLanguageSwitched(&registerValueMethodTables);
        return true;
    }();
    (void)listening;
    registerValueMethodTables();
}
