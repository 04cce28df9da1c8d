#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "language/Language.h"

// A table derived from the current language's name codes, built on first use and again after
// every language switch. Reading it costs no lock, since name lookups ask on every call; the
// tables of earlier languages are kept (a few per program run), as a lookup on another thread
// may still be reading one.
template <class T>
class tPerLanguageCache {
public:
    explicit tPerLanguageCache(T (*build)()) : build_(build) {}

    const T& Get()
    {
        if (const T* ready = current_.load(std::memory_order_acquire)) return *ready;
        return Rebuild();
    }

private:
    const T& Rebuild()
    {
        std::lock_guard<std::mutex> hold(guard_);
        if (const T* ready = current_.load(std::memory_order_acquire)) return *ready;
        if (!listening_) {
            listening_ = true;
            onLanguageSwitched([this] { current_.store(nullptr, std::memory_order_release); });
        }
        versions_.push_back(std::make_unique<T>(build_()));
        current_.store(versions_.back().get(), std::memory_order_release);
        return *versions_.back();
    }

    T (*build_)();
    std::mutex guard_;
    std::vector<std::unique_ptr<T>> versions_;
    std::atomic<const T*> current_{nullptr};
    bool listening_ = false;
};
