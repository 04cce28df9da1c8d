#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "values/TheapObject.h"
#include "values/tNumeric.h"

class tLogoTab;
class tTabDesc;
class tProcDesc;
class tCompiledCode;

// Anything a Logo program can hold. Every value answers the common operations below; the
// method table is how a value answers primitive names dispatched to it.
class tlogoobject : public TheapObject {
public:
    tLogoTab* methods = nullptr;

    ~tlogoobject() override;

    virtual void Dispose();
    virtual tlogoobject* Clone() = 0;
    virtual bool IsList() const { return false; }
    virtual bool IsImage() const { return false; }
    virtual bool IsWord() const { return false; }
    virtual bool IsAnyWord() { return false; }
    virtual bool IsNumber() { return false; }
    virtual bool IsBoolean() { return false; }
    virtual bool IsInteger() { return false; }
    virtual int32_t AsIntegerIn(int32_t min, int32_t max);
    virtual int32_t AsInteger();
    virtual long double AsReal();
    // Colours as 0x00RRGGBB; until colours exist every value fails erExpectColors.
    virtual uint32_t AsColor();
    virtual std::string PrintText(int mode);
    virtual std::string SourceText(int mode);
    virtual const std::string& WordText();
    // The same text without making a copy of it (a long word may read a shared buffer).
    virtual std::string_view WordView() { return WordText(); }
    virtual uint32_t NameCode();
    // The cached compiled form, owned by this value.
    virtual tCompiledCode* Compile(int mode);
    virtual bool AsBoolean();
    // The value as the other operand of arithmetic and comparison, in one call: an integer when
    // it counts as one (an integer, an integer word, a whole real) and fits in 32 bits, else its
    // real. False when it is no number (an any-word included: its AsReal draws the value).
    virtual bool AsOperand(tNumeric&) { return false; }
    virtual bool IsEmpty() { return false; }
    // Two-operand operations count the other operand up on entry and release it on exit,
    // so callers may pass a fresh temporary.
    virtual bool Equals(tlogoobject* other);
    virtual bool EqualsExactly(tlogoobject* other);
    virtual bool DiffersFrom(tlogoobject* other);
    virtual void AttachMethods();
    virtual bool TakeValueOf(tlogoobject* other);
    virtual void ForEach(uint32_t name, tlogoobject* instructions);
    virtual tProcDesc* FindMethod(uint32_t code, int& level);
    virtual tProcDesc* LookupMethod(uint32_t code, int& level);
    virtual tProcDesc* FindNextMethod(int& level, uint32_t code);
    virtual void EraseProcedure(uint32_t code);
    virtual void EraseEntry(uint32_t code);
    virtual bool HasName(uint32_t code, tTabDesc*& entry);
    virtual void SaveTables(std::ostream& stream, int level);

    // Shown in the "anistanceof" text of values that have no print form of their own.
    virtual const char* ClassName() const { return "tlogoobject"; }
};

// Reference counting. None (nullptr) is accepted everywhere and ignored.
inline tlogoobject* AddRef(tlogoobject* value)
{
    if (value) ++value->refCount;
    return value;
}

inline void Release(tlogoobject* value)
{
    if (value && --value->refCount < 1) value->Dispose();
}

// Counts down without disposing: the caller takes over the reference.
inline void Unhold(tlogoobject* value)
{
    if (value) --value->refCount;
}

template <class T>
inline void Assign(T*& slot, T* value)
{
    if (slot == value) return;
    AddRef(value);
    T* old = slot;
    slot = value;
    Release(old);
}

// Holds an argument counted for the duration of a call.
class tHeldArgument {
public:
    explicit tHeldArgument(tlogoobject* value) : value_(AddRef(value)) {}
    ~tHeldArgument() { Release(value_); }
    tHeldArgument(const tHeldArgument&) = delete;
    tHeldArgument& operator=(const tHeldArgument&) = delete;

private:
    tlogoobject* value_;
};
