#include "values/tlogoobject.h"

#include <ostream>

#include "language/Language.h"
#include "values/colorConversion.h"
#include "values/eLogoException.h"
#include "values/tLogoTab.h"
#include "values/tProcDesc.h"

tlogoobject::~tlogoobject()
{
    if (methods && !methods->shared) delete methods;
}

void tlogoobject::Dispose() { delete this; }

int32_t tlogoobject::AsIntegerIn(int32_t min, int32_t max) { throw eLogoException(erMinMax, min, max, this); }

int32_t tlogoobject::AsInteger() { throw eLogoException(erExpectNumber, this); }

long double tlogoobject::AsReal() { throw eLogoException(erExpectNumber, this); }

uint32_t tlogoobject::AsColor() { return convertToColor(*this); }

std::string tlogoobject::PrintText(int) { return textMessage("anistanceof", {ClassName()}); }

std::string tlogoobject::SourceText(int mode) { return PrintText(mode); }

const std::string& tlogoobject::WordText() { throw eLogoException(erExpectWord, this); }

uint32_t tlogoobject::NameCode() { throw eLogoException(erExpectWord, this); }

tCompiledCode* tlogoobject::Compile(int) { throw eLogoException(erExpectList, this); }

bool tlogoobject::AsBoolean() { throw eLogoException(erNotBool, this); }

bool tlogoobject::Equals(tlogoobject* other)
{
    tHeldArgument held(other);
    return other == this;
}

bool tlogoobject::EqualsExactly(tlogoobject* other) { return Equals(other); }

bool tlogoobject::DiffersFrom(tlogoobject* other) { return !Equals(other); }

void tlogoobject::AttachMethods() { methods = nullptr; }

bool tlogoobject::TakeValueOf(tlogoobject* other)
{
    tHeldArgument held(other);
    return other == this;
}

void tlogoobject::ForEach(uint32_t, tlogoobject*) { throw eLogoException(erExpectList, this); }

tProcDesc* tlogoobject::FindMethod(uint32_t code, int& level)
{
    if (tProcDesc* found = LookupMethod(code, level)) return found;
    throw eLogoException(erDoNotKnowHowTo, tCulpritName{code});
}

tProcDesc* tlogoobject::LookupMethod(uint32_t code, int& level)
{
    level = 0;
    return methods ? static_cast<tProcDesc*>(methods->Lookup(code)) : nullptr;
}

tProcDesc* tlogoobject::FindNextMethod(int&, uint32_t code) { throw eLogoException(erUsual, tCulpritName{code}); }

void tlogoobject::EraseProcedure(uint32_t code)
{
    if (!methods) throw eLogoException(erDoNotKnowHowTo, tCulpritName{code});
    methods->Erase(code);
}

void tlogoobject::EraseEntry(uint32_t code) { EraseProcedure(code); }

bool tlogoobject::HasName(uint32_t code, tTabDesc*& entry)
{
    entry = methods ? methods->Lookup(code) : nullptr;
    return entry != nullptr;
}

void tlogoobject::SaveTables(std::ostream& stream, int level)
{
    if (methods) methods->SaveEntries(stream, level + 1, 0);
}
