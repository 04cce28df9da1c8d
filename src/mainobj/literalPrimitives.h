#pragma once

#include <span>

#include "mainobj/primitiveTable.h"

// Rows registered under their key as it stands, the same in every language (the device
// primitives "in", "out" and their kin), instead of under the dictionary's words for the key.
void registerLiteralPrimitives(tLogoTab& table, std::span<const tPrimitiveRow> rows);
