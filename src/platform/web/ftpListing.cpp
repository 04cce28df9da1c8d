#include "platform/web/ftpListing.h"

#include <cctype>
#include <cstdlib>

namespace {

// The next field separated by blanks; `line` moves past it.
std::string_view nextField(std::string_view& line)
{
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        line = {};
        return {};
    }
    line.remove_prefix(start);
    size_t end = line.find_first_of(" \t");
    std::string_view field = line.substr(0, end);
    line.remove_prefix(end == std::string_view::npos ? line.size() : end);
    return field;
}

// The rest of the line after one separator run: names may hold blanks of their own.
std::string_view restAfterBlanks(std::string_view line)
{
    size_t start = line.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : line.substr(start);
}

int64_t number(std::string_view digits)
{
    return std::strtoll(std::string(digits).c_str(), nullptr, 10);
}

bool isDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

bool parseUnix(std::string_view line, tRemoteEntry& entry)
{
    std::string_view mode = nextField(line);
    if (mode.size() < 10 || std::string_view("-dlbcps").find(mode[0]) == std::string_view::npos)
        return false;
    // Links, owner, group, size, month, day, then the time or year; some servers leave the group out.
    std::string_view fields[6];
    for (std::string_view& field : fields)
        field = nextField(line);
    std::string_view size;
    if (isDigits(fields[3]) && !fields[4].empty() && std::isalpha(static_cast<unsigned char>(fields[4][0]))) {
        size = fields[3];
        nextField(line);
    } else if (isDigits(fields[2])) {
        size = fields[2];
    } else {
        return false;
    }
    std::string_view name = restAfterBlanks(line);
    if (mode[0] == 'l')
        name = name.substr(0, name.find(" -> "));
    if (name.empty())
        return false;
    entry = {std::string(name), number(size), mode[0] == 'd'};
    return true;
}

bool parseDos(std::string_view line, tRemoteEntry& entry)
{
    std::string_view date = nextField(line);
    std::string_view time = nextField(line);
    std::string_view sizeOrDir = nextField(line);
    if (date.empty() || !std::isdigit(static_cast<unsigned char>(date[0])) || time.empty() || sizeOrDir.empty())
        return false;
    bool folder = sizeOrDir == "<DIR>";
    if (!folder && !isDigits(sizeOrDir))
        return false;
    std::string_view name = restAfterBlanks(line);
    if (name.empty())
        return false;
    entry = {std::string(name), folder ? 0 : number(sizeOrDir), folder};
    return true;
}

} // namespace

std::vector<tRemoteEntry> parseFtpListing(std::string_view listing)
{
    std::vector<tRemoteEntry> entries;
    while (!listing.empty()) {
        size_t end = listing.find('\n');
        std::string_view line = listing.substr(0, end);
        listing.remove_prefix(end == std::string_view::npos ? listing.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        tRemoteEntry entry;
        if ((parseUnix(line, entry) || parseDos(line, entry)) && entry.name != "." && entry.name != "..")
            entries.push_back(std::move(entry));
    }
    return entries;
}
