#pragma once

#include "mainobj/system/tRemoteFiles.h"
#include "platform/web/ftpConnections.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file primitives' remote side over FTP (tRemoteFiles), installed by startWeb. Every
// operation borrows the caller's cached connection (always without passive mode) or opens one
// for its duration, and runs without the interpreter lock.
void installFtpRemoteFiles();

// The URL of the entry `name` (as a listing gives it) in the folder of `address`: the name's
// blanks and the characters that URLs reserve are escaped.
std::string ftpEntryAddress(std::string_view address, std::string_view name);

// The entries of the address's folder that match its last part (with wild cards), on the
// connection; nothing when the folder cannot be listed. Called without the interpreter lock.
std::optional<std::vector<tRemoteEntry>> matchingFtpEntries(const tConnectRec& connection, const std::string& address);
