#include "mainobj/system/fileWildcards.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

bool sameLetter(char a, char b)
{
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

bool hasWildcards(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

bool matchesWildcards(std::string_view pattern, std::string_view name)
{
    // Greedy matching with one backtrack point: the last "*" seen.
    size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && sameLetter(pattern[p], name[n])))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<std::string> matchingEntries(const std::string& folder, std::string_view pattern, bool folders)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? "." : folder, error)) {
        std::error_code kindError;
        if (entry.is_directory(kindError) != folders) continue;
        std::string name = entry.path().filename().string();
        if (matchesWildcards(pattern, name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

tPathParts splitPath(const std::string& path)
{
    const size_t split = path.rfind('/');
    if (split == std::string::npos) return {{}, path};
    return {path.substr(0, split + 1), path.substr(split + 1)};
}
