#pragma once

#include <string>
#include <string_view>
#include <vector>

// File names with the wild cards "*" (any run of characters) and "?" (any one character),
// matched without regard to letter case, as names typed by learners rarely match it exactly.
bool hasWildcards(std::string_view name);
bool matchesWildcards(std::string_view pattern, std::string_view name);

// The names in the folder (with its separator, or empty for the working folder) of the files,
// or of the sub-folders, that match the pattern; "." and ".." never. Sorted by name.
std::vector<std::string> matchingEntries(const std::string& folder, std::string_view pattern, bool folders);

// A path split after its last folder separator.
struct tPathParts {
    std::string folder;  // with its separator, or empty
    std::string file;
};
tPathParts splitPath(const std::string& path);
