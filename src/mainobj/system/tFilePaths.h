#pragma once

#include <string>
#include <string_view>
#include <vector>

// How a file name a primitive receives becomes a path. Every name is resolved for a kind; a
// kind has a default extension and an ordered list of search folders, whose entries may start
// with a folder marker: "%" the program folder, "$" the work folder (entries built on it are
// skipped while none is set), "§" the application-data folder, "<name>" a named user folder.
enum tFileKind {
    fkGeneral,
    fkProject,
    fkDemo,
    fkHelp,
    fkImage,
    fkSound,
    fkText,
    fkWeb,
    fkButton,
    kFileKinds
};

struct tResolveFlags {
    bool search = false;    // prefer a folder that has the file
    bool keepName = false;  // no default extension
};

// The default search folders, from the interface's "directories" texts; called by the main
// object when it sets up its tables. Resolving before fails "paths not initialised".
void setUpFilePaths();

// The kind a word names in the language's "pathnames" section; -1 when it names none.
int fileKindOfWord(std::string_view word);

// A clipboard word comes back unchanged. Safe without the interpreter lock too.
std::string resolveFileName(std::string_view name, tFileKind kind, tResolveFlags flags);
// A folder entry or a name with its leading marker replaced; an entry on the unset work
// folder gives nothing.
bool expandMarker(std::string_view entry, std::string& expanded);

// Whether the name says where it is: it has a folder part or starts with a marker.
bool saysWhere(std::string_view name);

// A kind's search folders as set: empty entries are "%", entries that are not bare markers end
// in a folder separator.
const std::vector<std::string>& searchFolders(tFileKind kind);
void setSearchFolders(tFileKind kind, const std::vector<std::string>& folders);
// The first of the kind's folders that exists, expanded; empty when none does.
std::string firstExistingFolder(tFileKind kind);

void setWorkFolder(std::string_view folder);
std::string workFolder();

// "clipboard" or the language's word for it.
bool namesClipboard(std::string_view name);
