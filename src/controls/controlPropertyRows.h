#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "objects/propertyDeclaration.h"

// One property of a control kind as its table lists it: the number, the properties whose
// automatic mark its setter clears, the entry flags and the functions.
struct tControlPropertyRow {
    int32_t number;
    std::vector<int32_t> affects;
    uint8_t flags;
    tBoundProperty functions;
};

inline void declareControlPropertyRows(tmultiobject& kindClass, std::span<const tControlPropertyRow> rows)
{
    for (const tControlPropertyRow& row : rows)
        declareProperty(kindClass, boundPropertyDeclaration(row.number, row.affects, row.flags, row.functions));
}
