#pragma once

// Read-only streams over the running program's file, or one file embedded at its end;
// tcodedExe2MemStream decodes the embedded file with its key.

#include "language/tEmbeddedDirectory.h"
#include "language/tMemoryStream.h"
#include "language/texecodedstream.h"

class tExe2MemStream : public tMemoryViewStream {
public:
    // An empty name gives the whole program file. Raises eStreamError "exe stream not found"
    // for a name the directory does not hold, "FileProblem" when the directory is corrupt, and
    // the mapping errors of tMappedFile.
    explicit tExe2MemStream(std::string_view name,
                            const tEmbeddedDirectory& directory = tEmbeddedDirectory::Program());

    // The program file is never changed: raises eStreamError "Cannot write to internal stream".
    int64_t Write(const void* buffer, int64_t count) override;
};

namespace exeStreamDetail {
// Constructed before the filter that reads it (a base listed first is built first).
struct tOwnedExe2MemStream {
    tExe2MemStream memory;
};
}

class tcodedExe2MemStream : private exeStreamDetail::tOwnedExe2MemStream, public texecodedstream {
public:
    tcodedExe2MemStream(std::string_view name, uint32_t key,
                        const tEmbeddedDirectory& directory = tEmbeddedDirectory::Program());
};
