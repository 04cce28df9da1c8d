#pragma once

#include <memory>
#include <mutex>

// The one front of a kind that the window installs (none in the console), read from any
// thread.
template <class Front>
class tInstalledFront {
public:
    void Install(std::shared_ptr<Front> front)
    {
        std::lock_guard<std::mutex> hold(guard_);
        front_ = std::move(front);
    }
    std::shared_ptr<Front> Get() const
    {
        std::lock_guard<std::mutex> hold(guard_);
        return front_;
    }

private:
    mutable std::mutex guard_;
    std::shared_ptr<Front> front_;
};
