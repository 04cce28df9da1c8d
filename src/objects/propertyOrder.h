#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class tmultiobject;

// The order in which a new instance of a kind takes its properties from its creation list or
// else from its class: the head first (those of its numbers the kind declares), then every
// other property the kind declares, in the order it declared them, except the excluded ones
// (those the kind reads itself while it makes its visual part).
std::shared_ptr<const std::vector<int32_t>> propertyOrder(tmultiobject& kindClass, const std::vector<int32_t>& head,
                                                          const std::vector<int32_t>& excluded);
