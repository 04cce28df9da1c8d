#pragma once

// Dictionary text as it is stored: the whole text through the additive chaining filter
// (tcodedstream), seed byte first. Interface dictionaries are stored as a length-prefixed block
// whose coded text is the dictionary's name, a NUL, then the text.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

std::vector<uint8_t> encodeDictionaryText(std::string_view text);
std::string decodeDictionaryText(std::span<const uint8_t> coded);

std::vector<uint8_t> encodeInterfaceBlock(std::string_view name, std::string_view text);

struct tInterfaceText {
    std::string name;
    std::string text;
};
// Raises eStreamError when the block is cut short.
tInterfaceText decodeInterfaceBlock(std::span<const uint8_t> block);
