#include "turtle/colours/patternTables.h"

#include <array>
#include <span>

namespace {

// The place in each table is the pattern number.
constexpr std::array kPenStyles = {tPenStyle::insideFrame, tPenStyle::dash,       tPenStyle::dot,   tPenStyle::dashDot,
                                   tPenStyle::dashDotDot,  tPenStyle::solid,      tPenStyle::none};
constexpr std::array kFillStyles = {tFillStyle::solid,           tFillStyle::backwardDiagonal, tFillStyle::cross,
                                    tFillStyle::diagonalCross,   tFillStyle::forwardDiagonal,  tFillStyle::horizontal,
                                    tFillStyle::vertical,        tFillStyle::none};

template <class Style>
std::optional<Style> styleOf(std::span<const Style> table, int pattern)
{
    if (pattern < 0 || pattern >= int(table.size())) return std::nullopt;
    return table[pattern];
}

template <class Style>
int patternOf(std::span<const Style> table, Style style)
{
    for (int i = 0; i < int(table.size()); ++i)
        if (table[i] == style) return i;
    return 0;
}

}  // namespace

std::optional<tPenStyle> penStyleOfPattern(int pattern) { return styleOf<tPenStyle>(kPenStyles, pattern); }
std::optional<tFillStyle> fillStyleOfPattern(int pattern) { return styleOf<tFillStyle>(kFillStyles, pattern); }
int patternOfPenStyle(tPenStyle style) { return patternOf<tPenStyle>(kPenStyles, style); }
int patternOfFillStyle(tFillStyle style) { return patternOf<tFillStyle>(kFillStyles, style); }
