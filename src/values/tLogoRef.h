#pragma once

#include <utility>

#include "values/tlogoobject.h"

// An owning, counted holder for C++ code: counts up when it takes a value, releases when it
// lets go. adopt() takes over a reference that is already counted (such as a value popped
// with popRaw); release() hands the reference back out without counting down.
template <class T>
class tLogoRef {
public:
    tLogoRef() = default;
    tLogoRef(T* value) : value_(value) { AddRef(value_); }
    tLogoRef(const tLogoRef& other) : value_(other.value_) { AddRef(value_); }
    tLogoRef(tLogoRef&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
    ~tLogoRef() { Release(value_); }

    tLogoRef& operator=(const tLogoRef& other)
    {
        Assign(value_, other.value_);
        return *this;
    }
    tLogoRef& operator=(tLogoRef&& other) noexcept
    {
        if (this != &other) {
            T* old = std::exchange(value_, std::exchange(other.value_, nullptr));
            Release(old);
        }
        return *this;
    }
    tLogoRef& operator=(T* value)
    {
        Assign(value_, value);
        return *this;
    }

    static tLogoRef adopt(T* counted)
    {
        tLogoRef ref;
        ref.value_ = counted;
        return ref;
    }
    T* release() { return std::exchange(value_, nullptr); }

    T* get() const { return value_; }
    T* operator->() const { return value_; }
    T& operator*() const { return *value_; }
    explicit operator bool() const { return value_ != nullptr; }

private:
    T* value_ = nullptr;
};
