#include "language/BuiltinResources.h"

#include "language/TDTables.h"

std::span<const uint8_t> findBuiltinResource(std::string_view type, std::string_view name)
{
    const std::string wanted = lowerAscii(name);
    for (const tBuiltinResource& resource : builtinResources())
        if (type == resource.type && wanted == lowerAscii(resource.name))
            return {resource.bytes, resource.size};
    return {};
}
