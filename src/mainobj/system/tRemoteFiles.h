#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Remote names (FTP addresses) in the file primitives. The transfer library sits above the main
// object, so the file primitives reach it through this interface, which the web subsystem
// installs at start-up; without it every name is local. The operations give up the interpreter
// lock while they wait for the server, and a stop request ends the calling process.
struct tRemoteEntry {
    std::string name;
    int64_t size = 0;
    bool folder = false;
};

class tRemoteFiles {
public:
    virtual ~tRemoteFiles() = default;

    virtual bool isRemote(std::string_view name) const = 0;

    virtual bool fileExists(const std::string& address) = 0;
    virtual bool folderExists(const std::string& address) = 0;
    // The entries of the folder that match the address's last part, which may hold the wild
    // cards "*" and "?"; a folder (or an address ending in "/") stands for all its entries.
    // Nothing when the folder cannot be listed.
    virtual std::optional<std::vector<tRemoteEntry>> list(const std::string& address) = 0;
    // Erases the file, or every file the wild cards match; false when one could not be erased.
    virtual bool eraseFiles(const std::string& address) = 0;
    // The new name is a path on the server, taken as it stands.
    virtual bool renameFile(const std::string& address, const std::string& newName) = 0;
    virtual bool createFolder(const std::string& address) = 0;
    virtual bool removeFolder(const std::string& address) = 0;
    virtual std::optional<std::string> readFile(const std::string& address) = 0;
    virtual bool writeFile(const std::string& address, std::string_view bytes, bool append) = 0;
};

inline tRemoteFiles*& installedRemoteFiles()
{
    static tRemoteFiles* files = nullptr;
    return files;
}

// The remote side for the name when it is remote; null for a local name.
inline tRemoteFiles* remoteFilesFor(std::string_view name)
{
    tRemoteFiles* files = installedRemoteFiles();
    return files && files->isRemote(name) ? files : nullptr;
}
