#include "values/tLogoStack.h"

#include <algorithm>

#include "values/eLogoException.h"

tLogoStack::tLogoStack(int capacity) : items_(new tlogoobject*[capacity]), capacity_(capacity) {}

tLogoStack::~tLogoStack()
{
    truncate(0);
    delete[] items_;
}

void tLogoStack::fail(errorConst key) { throw eLogoException(key); }

void tLogoStack::grow()
{
    auto** larger = new tlogoobject*[capacity_ + kGrowth];
    std::copy(items_, items_ + count_, larger);
    delete[] items_;
    items_ = larger;
    capacity_ += kGrowth;
}

void tLogoStack::popInto(tlogoobject*& slot)
{
    if (count_ == 0) throw eLogoException(erStackPop);
    tlogoobject* old = slot;
    slot = items_[--count_];
    Release(old);
}

void tLogoStack::failNotNone()
{
    if (count_ == 0) throw eLogoException(erStackPopnil);
    // The error holds the value now; the stack lets go of it.
    eLogoException error(erWhatToDo, items_[count_ - 1]);
    Release(items_[--count_]);
    throw error;
}

void tLogoStack::removeBelowTop()
{
    if (count_ < 2) throw eLogoException(erStackShiftTop);
    tlogoobject* below = items_[count_ - 2];
    items_[count_ - 2] = items_[count_ - 1];
    --count_;
    Release(below);
}

void tLogoStack::removeAt(int k)
{
    if (k < 0 || k >= count_) throw eLogoException(erStackShift);
    const int index = count_ - 1 - k;
    tlogoobject* removed = items_[index];
    std::copy(items_ + index + 1, items_ + count_, items_ + index);
    --count_;
    Release(removed);
}

void tLogoStack::truncate(int newHeight)
{
    while (count_ > newHeight && count_ > 0) Release(items_[--count_]);
}

void tLogoStack::dropN(int n)
{
    for (; n > 0 && count_ > 0; --n) Release(items_[--count_]);
}

void tLogoStack::copyFrom(const tLogoStack& other, int n)
{
    n = std::min(n, other.count_);
    for (int i = other.count_ - n; i < other.count_; ++i) push(other.items_[i]);
}
