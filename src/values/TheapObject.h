#pragma once

#include <cstdint>

// Root of everything reference counted. A fresh object has count 0; whoever stores it counts it
// up. The pooled flag marks instances that belong to one of the value pools, so that disposing
// them hands them back instead of freeing them.
class TheapObject {
public:
    int32_t refCount = 0;
    uint8_t pooled = 0;

    virtual ~TheapObject() = default;
};
