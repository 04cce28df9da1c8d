#include "platform/web/ftpRemoteFiles.h"

#include "mainobj/system/fileWildcards.h"
#include "mainobj/system/tRemoteFiles.h"
#include "platform/web/curlLibrary.h"
#include "platform/web/ftpConnections.h"
#include "platform/web/ftpListing.h"
#include "platform/web/processTransfer.h"
#include "platform/web/remoteAddress.h"
#include "processes/tLogoprocess.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

// An FTP name split into its folder (the URL path up to its last "/", as written) and the
// entry's own name (decoded).
struct tFtpName {
    tRemoteAddress address;
    std::string folderPath;
    std::string name;
};

std::optional<tFtpName> ftpName(const std::string& text)
{
    auto address = parseRemoteAddress(text);
    if (!address || address->scheme != "ftp")
        return std::nullopt;
    size_t slash = address->path.rfind('/');
    tFtpName name{*address, address->path.substr(0, slash + 1), percentDecoded(address->path.substr(slash + 1))};
    return name;
}

// The path the server's commands take for a URL path. As in every FTP URL, the path is
// relative to the folder the login starts in, unless it starts with a second "/".
std::string serverPath(const tConnectRec& connection, std::string_view urlPath)
{
    std::string path = percentDecoded(urlPath.substr(urlPath.starts_with('/') ? 1 : 0));
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    if (path.starts_with('/') || connection.entryPath.empty())
        return path;
    return connection.entryPath + (connection.entryPath.ends_with('/') ? "" : "/") + path;
}

size_t collect(char* data, size_t size, size_t count, void* text)
{
    static_cast<std::string*>(text)->append(data, size * count);
    return size * count;
}

// The connection's handle made ready for a request on `urlPath`, with the login that keeps
// its open connection in use.
CURL* prepared(const tCurlLibrary& curl, const tConnectRec& connection, const std::string& urlPath)
{
    CURL* easy = static_cast<CURL*>(connection.handle);
    curl.easyReset(easy);
    setFtpRequest(connection, urlPath);
    if (!connection.passive)
        curl.easySetopt(easy, CURLOPT_FTPPORT, "-");
    return easy;
}

// Sends the commands one after the other; false when the server refuses one.
bool runCommands(const tConnectRec& connection, const std::vector<std::string>& commands)
{
    const tCurlLibrary* curl = curlLibrary();
    curl_slist* list = nullptr;
    for (const std::string& command : commands)
        list = curl->slistAppend(list, command.c_str());
    CURL* easy = prepared(*curl, connection, "/");
    curl->easySetopt(easy, CURLOPT_NOBODY, 1L);
    curl->easySetopt(easy, CURLOPT_QUOTE, list);
    bool done = curl->easyPerform(easy) == CURLE_OK;
    curl->easySetopt(easy, CURLOPT_QUOTE, nullptr);
    curl->slistFreeAll(list);
    return done;
}

std::optional<std::vector<tRemoteEntry>> listFolder(const tConnectRec& connection, std::string folderPath)
{
    if (!folderPath.ends_with('/'))
        folderPath += '/';
    const tCurlLibrary* curl = curlLibrary();
    std::string listing;
    CURL* easy = prepared(*curl, connection, folderPath);
    curl->easySetopt(easy, CURLOPT_WRITEFUNCTION, &collect);
    curl->easySetopt(easy, CURLOPT_WRITEDATA, &listing);
    if (curl->easyPerform(easy) != CURLE_OK)
        return std::nullopt;
    return parseFtpListing(listing);
}

std::optional<tRemoteEntry> entryNamed(const std::vector<tRemoteEntry>& entries, const std::string& name)
{
    for (const tRemoteEntry& entry : entries)
        if (entry.name == name)
            return entry;
    return std::nullopt;
}

// Runs `work` on a connection for the name, without the interpreter lock; `failed` when the
// name is no FTP name or no connection can be made.
template <typename Result, typename Work>
Result onConnection(const std::string& text, Result failed, Work work)
{
    auto name = ftpName(text);
    if (!name || !curlLibrary())
        return failed;
    Result result = failed;
    withoutInterpreter([&] {
        tBorrowedFtpConnection connection(name->address, false);
        if (connection)
            result = work(*connection, *name);
    });
    return result;
}

std::string temporaryFile()
{
    std::string path = (std::filesystem::temp_directory_path() / "zembrix-ftp-XXXXXX").string();
    int descriptor = mkstemp(path.data());
    if (descriptor < 0)
        return {};
    ::close(descriptor);
    return path;
}

class tFtpRemoteFiles : public tRemoteFiles {
public:
    bool isRemote(std::string_view name) const override { return isFtpAddress(name); }

    bool fileExists(const std::string& address) override
    {
        return onConnection(address, false, [](tConnectRec& connection, const tFtpName& name) {
            auto entries = name.name.empty() ? std::nullopt : listFolder(connection, name.folderPath);
            auto entry = entries ? entryNamed(*entries, name.name) : std::nullopt;
            return entry && !entry->folder;
        });
    }

    bool folderExists(const std::string& address) override
    {
        std::string folder = address;
        while (folder.ends_with('/') && !folder.ends_with("//"))
            folder.pop_back();
        return onConnection(folder, false, [](tConnectRec& connection, const tFtpName& name) {
            if (name.name.empty())
                return listFolder(connection, name.folderPath).has_value();
            auto entries = listFolder(connection, name.folderPath);
            auto entry = entries ? entryNamed(*entries, name.name) : std::nullopt;
            return entry && entry->folder;
        });
    }

    std::optional<std::vector<tRemoteEntry>> list(const std::string& address) override
    {
        using tEntries = std::optional<std::vector<tRemoteEntry>>;
        return onConnection(address, tEntries(), [&](tConnectRec& connection, const tFtpName& name) -> tEntries {
            if (name.name.empty() || hasWildcards(name.name))
                return matchingFtpEntries(connection, address);
            auto entries = listFolder(connection, name.folderPath);
            if (!entries)
                return entries;
            auto entry = entryNamed(*entries, name.name);
            if (entry && entry->folder)
                return listFolder(connection, name.folderPath + ftpEntryAddress("", name.name));
            return entry ? std::vector<tRemoteEntry>{*entry} : std::vector<tRemoteEntry>();
        });
    }

    bool eraseFiles(const std::string& address) override
    {
        return onConnection(address, false, [](tConnectRec& connection, const tFtpName& name) {
            if (!hasWildcards(name.name))
                return runCommands(connection, {"DELE " + serverPath(connection, name.address.path)});
            auto entries = matchingFtpEntries(connection, name.address.path);
            if (!entries)
                return false;
            bool erased = true;
            for (const tRemoteEntry& entry : *entries)
                if (!entry.folder)
                    erased = runCommands(connection, {"DELE " + serverPath(connection, name.folderPath + ftpEntryAddress("", entry.name))})
                             && erased;
            return erased;
        });
    }

    bool renameFile(const std::string& address, const std::string& newName) override
    {
        return onConnection(address, false, [&](tConnectRec& connection, const tFtpName& name) {
            // A new name is a path on the server; the commands run where the login started, so
            // a relative one is taken from there, whatever folder the last transfer used.
            auto newAddress = ftpName(newName);
            std::string to = newAddress ? serverPath(connection, newAddress->address.path)
                             : newName.starts_with('/') || connection.entryPath.empty()
                                 ? newName
                                 : serverPath(connection, "/" + newName);
            return runCommands(connection, {"RNFR " + serverPath(connection, name.address.path), "RNTO " + to});
        });
    }

    bool createFolder(const std::string& address) override { return folderCommand("MKD ", address); }
    bool removeFolder(const std::string& address) override { return folderCommand("RMD ", address); }

    std::optional<std::string> readFile(const std::string& address) override
    {
        std::string local = temporaryFile();
        if (local.empty())
            return std::nullopt;
        bool read = transfer("down", address, [&](const tTransferOptions& options) {
            return downloadUrl(address, local, options);
        });
        std::optional<std::string> bytes;
        if (read) {
            std::ifstream file(local, std::ios::binary);
            bytes = std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        }
        std::remove(local.c_str());
        return bytes;
    }

    bool writeFile(const std::string& address, std::string_view bytes, bool append) override
    {
        std::string local = temporaryFile();
        if (local.empty())
            return false;
        std::ofstream(local, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        bool written = transfer("up", address, [&](tTransferOptions options) {
            options.appendFtp = append;
            return uploadUrl(address, local, "", options);
        });
        std::remove(local.c_str());
        return written;
    }

private:
    bool folderCommand(const char* command, const std::string& address)
    {
        return onConnection(address, false, [&](tConnectRec& connection, const tFtpName& name) {
            return runCommands(connection, {command + serverPath(connection, name.address.path)});
        });
    }

    // A whole file moved byte for byte on a connection for the address.
    template <typename Move>
    bool transfer(const char* direction, const std::string& address, Move move)
    {
        auto name = ftpName(address);
        if (!name || !curlLibrary())
            return false;
        tTransferOptions options;
        options.mode = tTransferMode::Binary;
        return runTransfer(direction, options, [&](const tTransferOptions& running) {
                   tBorrowedFtpConnection connection(name->address, false);
                   if (!connection)
                       return tTransferResult{kNoConnection, {}, false};
                   tTransferOptions onConnection = running;
                   onConnection.ftpConnection = connection->handle;
                   return move(onConnection);
               }).code
               == kTransferDone;
    }
};

} // namespace

std::string ftpEntryAddress(std::string_view address, std::string_view name)
{
    std::string escaped;
    for (unsigned char c : name) {
        if (c <= ' ' || c >= 127 || c == '%' || c == '#' || c == '?' || c == '/') {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", c);
            escaped += code;
        } else {
            escaped += char(c);
        }
    }
    return std::string(address.substr(0, address.rfind('/') + 1)) + escaped;
}

std::optional<std::vector<tRemoteEntry>> matchingFtpEntries(const tConnectRec& connection, const std::string& address)
{
    std::string path = address;
    if (auto name = ftpName(address))
        path = name->address.path;
    size_t slash = path.rfind('/');
    std::string pattern = percentDecoded(path.substr(slash + 1));
    auto entries = listFolder(connection, path.substr(0, slash + 1));
    if (entries && !pattern.empty())
        std::erase_if(*entries, [&](const tRemoteEntry& entry) { return !matchesWildcards(pattern, entry.name); });
    return entries;
}

void installFtpRemoteFiles()
{
    static tFtpRemoteFiles files;
    installedRemoteFiles() = &files;
}
