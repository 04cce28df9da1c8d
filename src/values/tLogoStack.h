#pragma once

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
    tlogoobject* top() const;
    // Removes the top entry and releases it.
    void drop();
    // Releases the slot's old value and moves the top entry into it (no count change).
    void popInto(tlogoobject*& slot);
    // Removes the top entry keeping its count: the caller owns that reference.
    tlogoobject* popRaw();
    // Removes the top entry and counts it down without disposing: the caller takes it.
    tlogoobject* popUnhold();
    // The top entry must be none and is removed; a value there fails erWhatToDo with it.
    void expectNone();
    // The entry k below the top (0 = top).
    tlogoobject* peek(int k) const;
    void removeBelowTop();
    void removeAt(int k);
    void truncate(int newHeight);
    void dropN(int n);
    void copyFrom(const tLogoStack& other, int n);

private:
    void grow();

    tlogoobject** items_;
    int count_ = 0;
    int capacity_;
};
