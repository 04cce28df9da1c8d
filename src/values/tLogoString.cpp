#include "values/tLogoString.h"

#include <utility>

#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/logoRandom.h"
#include "values/numberComparison.h"
#include "values/numberText.h"
#include "values/valueMethodTables.h"
#include "values/valuePools.h"

tLogoString::tLogoString(std::string_view text) : text_(text) { AttachMethods(); }

tLogoString::tLogoString(std::string&& text) : text_(std::move(text)) { AttachMethods(); }

tLogoString::tLogoString(tTextBuffer* buffer, size_t offset, size_t length)
    : shared_(buffer), offset_(offset), length_(length)
{
    AddRef(shared_);
    AttachMethods();
}

tLogoString::~tLogoString() { Release(shared_); }

void tLogoString::CopyStretch()
{
    text_.assign(View());
    copied_ = 1;
}

void tLogoString::SetText(std::string_view text)
{
    // The new text may be a stretch of the buffer let go of here.
    text_.assign(text.data(), text.size());
    Release(std::exchange(shared_, nullptr));
    copied_ = 0;
    numericDone_ = isNumber_ = isInteger_ = booleanDone_ = isBoolean_ = booleanValue_ = anyDone_ = isAny_ = 0;
    ResetWordCaches();
}

tlogoobject* tLogoString::Clone()
{
    if (shared_) return new tLogoString(shared_, offset_, length_);
    return new tLogoString(text_);
}

void tLogoString::Dispose()
{
    if (pooled && returnToPool(this)) return;
    delete this;
}

void tLogoString::AttachMethods() { methods = valueMethodTables().word; }

void tLogoString::AnalyseNumber()
{
    numericDone_ = 1;
    int32_t integer;
    if (parseLogoInteger(View(), integer)) {
        isNumber_ = isInteger_ = 1;
        integerValue_ = integer;
        realValue_ = integer;
        return;
    }
    long double real;
    if (parseLogoReal(View(), real)) {
        isNumber_ = 1;
        realValue_ = real;
    }
}

bool tLogoString::IsNumber()
{
    if (!numericDone_) AnalyseNumber();
    return isNumber_;
}

bool tLogoString::IsInteger() { return IsNumber() && isInteger_; }

bool tLogoString::IsAnyWord()
{
    if (!anyDone_) {
        isAny_ = !View().empty() && isWord("dict", "any", View());
        anyDone_ = 1;
    }
    return isAny_;
}

bool tLogoString::IsBoolean()
{
    if (!booleanDone_) {
        const std::string resolved = resolveNeutralName(View());
        if (isTrueWord(resolved)) {
            isBoolean_ = booleanValue_ = 1;
        } else if (isFalseWord(resolved)) {
            isBoolean_ = 1;
        }
        booleanDone_ = 1;
    }
    return isBoolean_;
}

int32_t tLogoString::AsInteger()
{
    if (IsNumber()) {
        if (isInteger_) return integerValue_;
        int32_t rounded;
        if (!roundToInteger32(realValue_, rounded)) failInteger32(this);
        return rounded;
    }
    if (IsAnyWord()) return randomInRange(1, 100);
    throw eLogoException(erExpectNumber, this);
}

int32_t tLogoString::AsIntegerIn(int32_t min, int32_t max)
{
    if (!IsNumber() && IsAnyWord() && min <= max) return randomInRange(min, max);
    return tLogoWord::AsIntegerIn(min, max);
}

long double tLogoString::AsReal()
{
    if (IsNumber()) return realValue_;
    if (IsAnyWord()) return randomInRange(1, 100);
    throw eLogoException(erExpectNumber, this);
}

bool tLogoString::AsBoolean()
{
    // A number word is a condition like the number, whatever was asked of it before.
    if (IsNumber()) {
        if (isInteger_) return integerValue_ > 0;
        if (realValue_ <= 0) return false;
        if (realValue_ >= 1) return true;
        return randomUnit() <= realValue_;
    }
    if (IsBoolean()) return booleanValue_;
    if (IsAnyWord()) return randomInRange(0, 1) == 1;
    throw eLogoException(erNotBool, this);
}

tNumeric tLogoString::ReceiverNumber()
{
    if (!IsNumber()) throw eLogoException(erExpectNumber, this);
    return {static_cast<bool>(isInteger_), integerValue_, realValue_, true};
}

bool tLogoString::AsOperand(tNumeric& number)
{
    if (!IsNumber()) return false;
    number = {static_cast<bool>(isInteger_), integerValue_, realValue_, true};
    return true;
}

int tLogoString::Order(tlogoobject* other)
{
    if (IsNumber() && other->IsNumber()) return numberOrder(*this, ReceiverNumber(), *other);
    return textOrder(*this, *other);
}

bool tLogoString::Equals(tlogoobject* other)
{
    tHeldArgument held(other);
    if (IsNumber() && other->IsNumber()) return numberOrder(*this, ReceiverNumber(), *other) == 0;
    return other->IsWord() && compareWords(View(), other->WordView()) == 0;
}

bool tLogoString::EqualsExactly(tlogoobject* other)
{
    tHeldArgument held(other);
    if (IsNumber() && other->IsNumber()) return numberOrder(*this, ReceiverNumber(), *other) == 0;
    return other->IsWord() && View() == other->WordView();
}

bool tLogoString::TakeValueOf(tlogoobject* other)
{
    tHeldArgument held(other);
    if (other == this) return true;
    if (refCount != 1 || !other->pooled) return false;
    auto* word = dynamic_cast<tLogoString*>(other);
    if (!word) return false;
    SetText(word->View());
    return true;
}
