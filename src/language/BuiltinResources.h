#pragma once

// The data the build codes into the program: the language dictionaries (type "LDI", coded
// text) and the interface dictionaries (type "UID", length-prefixed coded blocks). The table
// itself is generated from resources/dictionaries/ by tools/zxpack.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

struct tBuiltinResource {
    const char* type;
    const char* name;
    const uint8_t* bytes;
    size_t size;
};

std::span<const tBuiltinResource> builtinResources();

// The bytes of the resource of that type and name (name compared without regard to case);
// empty when there is none.
std::span<const uint8_t> findBuiltinResource(std::string_view type, std::string_view name);

inline constexpr std::string_view kLanguageResourceType = "LDI";
inline constexpr std::string_view kInterfaceResourceType = "UID";
