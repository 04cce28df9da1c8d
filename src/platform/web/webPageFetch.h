#pragma once

#include <string>

#include "platform/web/tLogoWeb.h"

// The page at a web window's address, as the calling process fetches it (under the interpreter
// lock, which a remote transfer gives up while it runs; a stop request ends it):
// - "http://", "https://" and "ftp://" addresses come through libcurl;
// - "file://" addresses and names of existing files (looked for in the web folders, as the
//   file primitives look) are read from the disk; a name that says where it is but names no
//   file gives kNothingToTransfer;
// - any other bare name is taken as a web host ("www.example.org"), over HTTP;
// - another scheme gives kUnsupportedAddress.
tWebPage fetchWebPage(const std::string& address);
