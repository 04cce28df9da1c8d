#include "mainobj/system/tFilePaths.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <strings.h>

#include "language/Language.h"
#include "language/ProgramFile.h"
#include "values/eLogoException.h"

namespace {

namespace fs = std::filesystem;

constexpr char kProgramMarker = '%';
constexpr char kWorkMarker = '$';
constexpr char kAppDataMarker = '\xA7';  // the section sign in the language's code page

constexpr std::array<const char*, kFileKinds> kDefaultExtensions = {
    "", ".ZXP", ".ZXP", ".HLP", ".LGF", ".WAV", ".TXT", ".ZXP", ".LGF"};

struct tKindWord {
    const char* key;
    tFileKind kind;
};
constexpr tKindWord kKindWords[] = {
    {"project", fkProject}, {"screen", fkProject}, {"demo", fkDemo},   {"help", fkHelp},
    {"image", fkImage},     {"media", fkSound},    {"wave", fkSound},  {"sound", fkSound},
    {"text", fkText},       {"web", fkWeb},        {"button", fkButton},
};

// Logo processes change the state under the interpreter lock; the window thread resolves the
// name of a project that a later copy hands over without it, so changes and that resolution
// also take `guard`.
struct tPathState {
    std::mutex guard;
    bool initialised = false;
    std::array<std::vector<std::string>, kFileKinds> folders;
    std::string workFolder;
};

tPathState& state()
{
    static tPathState paths;
    return paths;
}

std::string home()
{
    const char* folder = std::getenv("HOME");
    return folder ? folder : "";
}

std::string appDataFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    return data && *data ? data : home() + "/.local/share";
}

// The user folders a "<name>" marker may name, by their customary names.
std::string namedFolder(std::string_view name)
{
    struct tNamed {
        const char* name;
        const char* below;
    };
    static constexpr tNamed kNamed[] = {
        {"Personal", "Documents"}, {"My Documents", "Documents"}, {"Desktop", "Desktop"},
        {"My Pictures", "Pictures"}, {"My Music", "Music"},       {"My Video", "Videos"},
    };
    if (sameWord(name, "AppData") || sameWord(name, "Local AppData")) return appDataFolder();
    for (const tNamed& named : kNamed)
        if (sameWord(name, named.name)) return home() + "/" + named.below;
    return {};
}

bool isBareMarker(std::string_view entry)
{
    if (entry.size() == 1) return entry[0] == kProgramMarker || entry[0] == kWorkMarker || entry[0] == kAppDataMarker;
    return entry.size() > 2 && entry.front() == '<' && entry.back() == '>' && entry.find('>') == entry.size() - 1;
}

std::string normalisedEntry(std::string entry)
{
    if (entry.empty()) return std::string(1, kProgramMarker);
    if (!isBareMarker(entry) && entry.back() != '/') entry += '/';
    return entry;
}

std::string directory(const char* key) { return uiString("directories", key) + "/"; }

bool isFile(const std::string& path)
{
    std::error_code error;
    return fs::exists(path, error) && !fs::is_directory(path, error);
}

bool isFolder(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path.empty() ? "." : path, error);
}

// The file part as it stands in the folder: the exact name when that file exists, else the
// first (by name) existing file whose name differs only in letter case, empty when there is
// none. Names on this platform are case-sensitive, but learners type names in any case and the
// default extensions are added in upper case, so "two" saved as two.LGF must be found as
// "two.lgf" and the other way round.
std::string existingFile(const std::string& folder, const std::string& file)
{
    if (isFile(folder + file)) return file;
    std::string found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, error)) {
        std::string name = entry.path().filename().string();
        std::error_code kindError;
        if (strcasecmp(name.c_str(), file.c_str()) == 0 && entry.is_regular_file(kindError) && (found.empty() || name < found))
            found = std::move(name);
    }
    return found;
}

// The file part that names the existing file when one differs only in letter case.
std::string asExisting(const std::string& folder, const std::string& file)
{
    std::string existing = file.empty() ? std::string() : existingFile(folder, file);
    return existing.empty() ? file : existing;
}

std::vector<std::string> foldersToSearch(tFileKind kind)
{
    tPathState& paths = state();
    std::lock_guard<std::mutex> hold(paths.guard);
    if (!paths.initialised) throw eLogoException(uiString("strings", "pathsNotInitialised"), nullptr);
    return paths.folders[kind];
}

std::string searched(tFileKind kind, const std::string& file, tResolveFlags flags)
{
    std::string firstExisting;
    bool found = false;
    for (const std::string& entry : foldersToSearch(kind)) {
        std::string folder;
        if (!expandMarker(entry, folder)) continue;
        if (flags.search) {
            const std::string existing = existingFile(folder, file);
            if (!existing.empty()) return folder + existing;
        }
        if (!found && isFolder(folder)) {
            firstExisting = folder;
            found = true;
        }
    }
    // With no folder of the kind at hand the name stays relative to the working folder, where
    // a file differing only in letter case is the one meant as much as in any other folder.
    return firstExisting + asExisting(firstExisting, file);
}

}  // namespace

void setUpFilePaths()
{
    const std::string pr = "%", wk = "$";
    const std::string project = directory("project"), demo = directory("demo"), help = directory("help"),
                      image = directory("image"), media = directory("media"), text = directory("text"),
                      web = directory("web"), button = directory("button");
    tPathState& paths = state();
    std::lock_guard<std::mutex> hold(paths.guard);
    paths.folders = {{
        {pr},
        {wk, wk + project, pr + project, pr},
        {pr + demo},
        {pr + help, pr},
        {wk + image, pr + image},
        {wk + media, pr + media},
        {wk + text, pr + text},
        {wk + web, wk + project + web, pr + project + web, pr + web, wk, pr + project, pr},
        {wk + image + button, wk + button, wk + image, pr + image + button, pr + button, pr + image},
    }};
    paths.initialised = true;
}

int fileKindOfWord(std::string_view word)
{
    for (const tKindWord& kindWord : kKindWords)
        if (isWord("pathnames", kindWord.key, word)) return kindWord.kind;
    return -1;
}

bool expandMarker(std::string_view entry, std::string& expanded)
{
    if (entry.empty()) {
        expanded.clear();
        return true;
    }
    std::string folder;
    size_t markerLength = 1;
    switch (entry[0]) {
    case kProgramMarker:
        folder = programFolder();
        break;
    case kWorkMarker:
        folder = workFolder();
        if (folder.empty()) return false;
        break;
    case kAppDataMarker:
        folder = appDataFolder();
        break;
    case '<':
        markerLength = entry.find('>');
        if (markerLength == std::string_view::npos) return false;
        folder = namedFolder(entry.substr(1, markerLength - 1));
        if (folder.empty()) return false;
        ++markerLength;
        break;
    default:
        expanded = entry;
        return true;
    }
    if (folder.back() != '/') folder += '/';
    expanded = folder + std::string(entry.substr(markerLength));
    return true;
}

std::string resolveFileName(std::string_view name, tFileKind kind, tResolveFlags flags)
{
    if (namesClipboard(name)) return std::string(name);
    std::string text;
    const bool marked = !name.empty() && expandMarker(name, text) && text != name;
    if (!marked) text = name;
    const size_t split = text.rfind('/');
    std::string folder = split == std::string::npos ? std::string() : text.substr(0, split + 1);
    std::string file = split == std::string::npos ? text : text.substr(split + 1);
    if (!flags.keepName && !file.empty() && file.find('.') == std::string::npos) file += kDefaultExtensions[kind];
    if (!folder.empty() || marked) return folder + asExisting(folder, file);
    return searched(kind, file, flags);
}

bool saysWhere(std::string_view name)
{
    if (name.find('/') != std::string_view::npos) return true;
    std::string expanded;
    return !name.empty() && expandMarker(name, expanded) && expanded != name;
}

const std::vector<std::string>& searchFolders(tFileKind kind) { return state().folders[kind]; }

void setSearchFolders(tFileKind kind, const std::vector<std::string>& folders)
{
    std::vector<std::string> list;
    for (const std::string& folder : folders) list.push_back(normalisedEntry(folder));
    std::lock_guard<std::mutex> hold(state().guard);
    state().folders[kind] = std::move(list);
}

std::string firstExistingFolder(tFileKind kind)
{
    for (const std::string& entry : state().folders[kind]) {
        std::string folder;
        if (expandMarker(entry, folder) && isFolder(folder)) return folder;
    }
    return {};
}

void setWorkFolder(std::string_view folder)
{
    std::lock_guard<std::mutex> hold(state().guard);
    state().workFolder = folder;
}

std::string workFolder()
{
    std::lock_guard<std::mutex> hold(state().guard);
    return state().workFolder;
}

bool namesClipboard(std::string_view name)
{
    return sameWord(name, "clipboard") || isWord("other", "clipboard", name);
}
