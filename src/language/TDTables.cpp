#include "language/TDTables.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string> splitWords(std::string_view value)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < value.size()) {
        while (i < value.size() && isBlank(value[i]))
            ++i;
        const size_t start = i;
        while (i < value.size() && !isBlank(value[i]))
            ++i;
        if (i > start)
            words.emplace_back(value.substr(start, i - start));
    }
    return words;
}

const std::string* TDTable::Find(std::string_view key) const
{
    const std::string wanted = lowerAscii(key);
    const auto it = std::lower_bound(entries.begin(), entries.end(), wanted,
                                     [](const auto& entry, const std::string& k) { return entry.first < k; });
    return it != entries.end() && it->first == wanted ? &it->second : nullptr;
}

void TDTable::Finish()
{
    // Positions are sorted rather than the pairs themselves, so that each entry moves once; equal
    // keys keep their file order (the position decides), so Find gives the first.
    std::vector<uint32_t> order(entries.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [this](uint32_t a, uint32_t b) {
        const int byKey = entries[a].first.compare(entries[b].first);
        return byKey < 0 || (byKey == 0 && a < b);
    });
    std::vector<std::pair<std::string, std::string>> sorted;
    sorted.reserve(entries.size());
    for (uint32_t at : order) sorted.push_back(std::move(entries[at]));
    entries = std::move(sorted);
}

TDTables TDTables::Parse(std::string_view text)
{
    TDTables tables;
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    TDTable* current = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trimBlanks(text.substr(pos, end - pos));
        pos = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++pos;

        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            if (current)
                current->Finish();
            TDTable section(lowerAscii(trimBlanks(line.substr(1, line.size() - 2))));
            const auto at = std::upper_bound(tables.sections.begin(), tables.sections.end(), section.Name(),
                                             [](const std::string& n, const TDTable& t) { return n < t.Name(); });
            current = &*tables.sections.insert(at, std::move(section));
            continue;
        }
        const size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos)
            continue;
        current->Add(lowerAscii(trimBlanks(line.substr(0, equals))), std::string(trimBlanks(line.substr(equals + 1))));
    }
    if (current)
        current->Finish();
    tables.sections.shrink_to_fit();
    return tables;
}

const TDTable* TDTables::FindSection(std::string_view name) const
{
    const std::string wanted = lowerAscii(name);
    for (auto it = sections.rbegin(); it != sections.rend(); ++it)
        if (it->Name() == wanted)
            return &*it;
    return nullptr;
}

const std::string* TDTables::Find(std::string_view section, std::string_view key) const
{
    const TDTable* table = FindSection(section);
    return table ? table->Find(key) : nullptr;
}
