#pragma once

#include "mainobj/system/tRemoteFiles.h"

#include <string_view>
#include <vector>

// The entries of an FTP folder listing ("LIST"), in the two layouts servers use: the Unix one
// ("drwxr-xr-x 2 user group 4096 Dec 10 12:00 name") and the DOS one ("12-10-26 12:00PM <DIR>
// name"). Lines of neither layout ("total 12") and the entries "." and ".." are left out.
std::vector<tRemoteEntry> parseFtpListing(std::string_view listing);
