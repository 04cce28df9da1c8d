#pragma once

// A parsed dictionary: sections of key = value entries. Section names and keys are stored
// lower-cased and sorted; entries with equal keys keep their file order. Sections are few and
// are scanned from the end, keys are found by binary search.

#include "language/asciiText.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TDTable {
public:
    explicit TDTable(std::string name) : name(std::move(name)) {}

    const std::string& Name() const { return name; }
    const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries; }

    // The value of `key` (any case), or nullptr.
    const std::string* Find(std::string_view key) const;

    // Entries are added in file order and put in key order once the section is complete.
    void Add(std::string key, std::string value) { entries.emplace_back(std::move(key), std::move(value)); }
    void Finish();

private:
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
};

class TDTables {
public:
    // Parses decoded dictionary text: lines split at CR, LF or CR LF, ending at a NUL;
    // ";" comments, "[section]" headers and "key = value" entries, all trimmed.
    static TDTables Parse(std::string_view text);

    const std::vector<TDTable>& Sections() const { return sections; }
    const TDTable* FindSection(std::string_view name) const;
    const std::string* Find(std::string_view section, std::string_view key) const;
    bool Empty() const { return sections.empty(); }

private:
    std::vector<TDTable> sections;
};

std::string_view trimBlanks(std::string_view text);
// The blank-separated synonyms of a dictionary value, primary word first.
std::vector<std::string> splitWords(std::string_view value);
