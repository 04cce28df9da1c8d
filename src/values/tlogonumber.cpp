#include "values/tlogonumber.h"

#include <typeinfo>

tlogonumber::tlogonumber(std::string_view sourceText) : printedValid_(1), printed_(sourceText) {}

const std::string& tlogonumber::WordText()
{
    if (!printedValid_) {
        printed_ = FormatValue();
        printedValid_ = 1;
    }
    return printed_;
}

void tlogonumber::ValueChanged()
{
    printedValid_ = 0;
    printed_.clear();
    ResetWordCaches();
}

bool tlogonumber::TakeValueOf(tlogoobject* other)
{
    tHeldArgument held(other);
    if (other == this) return true;
    if (refCount != 1 || !other->pooled || typeid(*other) != typeid(*this)) return false;
    CopyValueFrom(static_cast<tlogonumber&>(*other));
    ValueChanged();
    return true;
}

tlogoobject* tlogonumber::Clone()
{
    tlogonumber* copy = FreshCopy();
    if (printedValid_) {
        copy->printed_ = printed_;
        copy->printedValid_ = 1;
    }
    return copy;
}

void tlogonumber::Dispose()
{
    if (pooled && ReturnToPool()) return;
    delete this;
}
