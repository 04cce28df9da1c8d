#pragma once

#include <cstdint>
#include <exception>

// Ends the running process (flag 0) or returns it to the top level (flag 1, "throw" of the
// top-level tag).
class eTerminateException : public std::exception {
public:
    explicit eTerminateException(uint8_t flag = 0) : flag(flag) {}
    const char* what() const noexcept override { return "terminate"; }

    uint8_t flag;
};

// Raised by the melody player when playing is interrupted.
class eStopPlayException : public eTerminateException {
public:
    eStopPlayException() : eTerminateException(0) {}
};
