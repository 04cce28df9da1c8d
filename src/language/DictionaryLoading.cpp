#include "language/DictionaryLoading.h"

#include "language/BuiltinResources.h"
#include "language/DictionaryCoding.h"
#include "language/ProgramFile.h"
#include "language/tFileStream.h"

#include <span>

namespace {

bool usable(const TDTables& tables)
{
    return !tables.Empty() && !tables.Sections().front().Entries().empty();
}

std::optional<TDTables> fromFile(std::string_view language)
{
    std::string coded;
    if (!readWholeFile(programFolder() + "/" + std::string(language) + ".ldx", coded))
        return std::nullopt;
    const auto bytes = std::span(reinterpret_cast<const uint8_t*>(coded.data()), coded.size());
    TDTables tables = TDTables::Parse(decodeDictionaryText(bytes));
    return usable(tables) ? std::optional(std::move(tables)) : std::nullopt;
}

}

std::optional<TDTables> loadLanguageDictionary(std::string_view language)
{
    if (auto fromDisk = fromFile(language))
        return fromDisk;
    const auto resource = findBuiltinResource(kLanguageResourceType, language);
    if (resource.empty())
        return std::nullopt;
    TDTables tables = TDTables::Parse(decodeDictionaryText(resource));
    return tables.Empty() ? std::nullopt : std::optional(std::move(tables));
}
