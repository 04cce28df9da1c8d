#include "platform/web/webPageFetch.h"

#include <cstdlib>
#include <filesystem>
#include <strings.h>
#include <unistd.h>

#include "language/tFileStream.h"
#include "mainobj/system/tFilePaths.h"
#include "platform/web/contentTypes.h"
#include "platform/web/processTransfer.h"
#include "platform/web/remoteAddress.h"
#include "platform/web/webTransfers.h"

namespace {

namespace fs = std::filesystem;

bool startsWith(const std::string& text, const char* prefix)
{
    return strncasecmp(text.c_str(), prefix, std::char_traits<char>::length(prefix)) == 0;
}

bool isFile(const std::string& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

tWebPage localPage(const std::string& path)
{
    tWebPage page;
    page.code = readWholeFile(path, page.text) ? kTransferDone : kNothingToTransfer;
    if (page.code != kTransferDone)
        page.text.clear();
    else
        page.contentType = contentTypeOfFile(path);
    return page;
}

// A file of our own in the temporary folder, removed when it goes.
class tTemporaryFile {
public:
    tTemporaryFile()
    {
        std::error_code error;
        std::string pattern = (fs::temp_directory_path(error) / "zembrix-webXXXXXX").string();
        const int handle = mkstemp(pattern.data());
        if (handle < 0) return;
        close(handle);
        path = pattern;
    }
    ~tTemporaryFile()
    {
        if (!path.empty()) unlink(path.c_str());
    }
    tTemporaryFile(const tTemporaryFile&) = delete;
    tTemporaryFile& operator=(const tTemporaryFile&) = delete;

    std::string path;
};

tWebPage remotePage(const std::string& url)
{
    tWebPage page;
    tTemporaryFile answer;
    if (answer.path.empty()) {
        page.code = kIncomplete;
        return page;
    }
    const tTransferResult result = runTransfer("down", {}, [&](const tTransferOptions& options) {
        return downloadUrl(url, answer.path, options);
    });
    page.code = result.code;
    page.contentType = result.contentType;
    if (!readWholeFile(answer.path, page.text)) page.text.clear();
    return page;
}

}  // namespace

tWebPage fetchWebPage(const std::string& address)
{
    if (startsWith(address, "http://") || startsWith(address, "https://") || startsWith(address, "ftp://"))
        return remotePage(address);
    if (startsWith(address, "file://")) return localPage(percentDecoded(address.substr(7)));
    if (address.find("://") != std::string::npos) {
        tWebPage unsupported;
        unsupported.code = kUnsupportedAddress;
        return unsupported;
    }
    const std::string local = resolveFileName(address, fkWeb, {.search = true, .keepName = true});
    if (isFile(local) || saysWhere(address)) return localPage(local);
    return remotePage("http://" + address);
}
