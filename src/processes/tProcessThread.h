#pragma once

#include <cstddef>
#include <functional>

// Starts a detached operating-system thread with a large reserved stack. Logo recursion
// nests deeply (10000 runs before erStackOverflow) and must fail with that error, never
// crash; std::thread cannot choose its stack size, so this goes through pthread attributes.
// The pages are only reserved: a thread uses the memory it touches.
constexpr std::size_t kProcessStackSize = std::size_t{256} << 20;

// Runs `body` on a new thread. Throws std::system_error when the thread cannot be created.
void startProcessThread(std::function<void()> body, std::size_t stackSize = kProcessStackSize);
