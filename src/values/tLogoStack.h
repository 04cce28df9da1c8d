#pragma once

#include "values/errorConst.h"
#include "values/tlogoobject.h"

// A process's evaluation stack of counted values; entries may be none (a command's result).
// Every failure is an internal error of a broken stack discipline, raised with its own key.
class tLogoStack {
public:
    static constexpr int kInitialCapacity = 1000;
    static constexpr int kGrowth = 1000;

    explicit tLogoStack(int capacity = kInitialCapacity);
    ~tLogoStack();
    tLogoStack(const tLogoStack&) = delete;
    tLogoStack& operator=(const tLogoStack&) = delete;

    int height() const { return count_; }
    int capacity() const { return capacity_; }

    void push(tlogoobject* value)
    {
        if (count_ == capacity_) grow();
        items_[count_++] = AddRef(value);
    }
    tlogoobject* top() const
    {
        if (count_ == 0) [[unlikely]] fail(erStackTop);
        return items_[count_ - 1];
    }
    // Removes the top entry and releases it.
    void drop()
    {
        if (count_ == 0) [[unlikely]] fail(erStackDeletetop);
        Release(items_[--count_]);
    }
    // Releases the slot's old value and moves the top entry into it (no count change).
    void popInto(tlogoobject*& slot);
    // Removes the top entry keeping its count: the caller owns that reference.
    tlogoobject* popRaw()
    {
        if (count_ == 0) [[unlikely]] fail(erStackPop1);
        return items_[--count_];
    }
    // Removes the top entry and counts it down without disposing: the caller takes it.
    tlogoobject* popUnhold()
    {
        if (count_ == 0) [[unlikely]] fail(erStackPopdec);
        tlogoobject* value = items_[--count_];
        Unhold(value);
        return value;
    }
    // The top entry must be none and is removed; a value there fails erWhatToDo with it.
    void expectNone()
    {
        if (count_ == 0 || items_[count_ - 1]) [[unlikely]] failNotNone();
        --count_;
    }
    // The entry k below the top (0 = top).
    tlogoobject* peek(int k) const
    {
        if (k < 0 || k >= count_) [[unlikely]] fail(erStackLookstack);
        return items_[count_ - 1 - k];
    }
    void removeBelowTop();
    void removeAt(int k);
    void truncate(int newHeight);
    void dropN(int n);
    void copyFrom(const tLogoStack& other, int n);

private:
    void grow();
    [[noreturn]] static void fail(errorConst key);
    [[noreturn]] void failNotNone();

    tlogoobject** items_;
    int count_ = 0;
    int capacity_;
};
