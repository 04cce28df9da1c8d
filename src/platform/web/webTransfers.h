#pragma once

#include "platform/web/formBody.h"

#include <cstdint>
#include <functional>
#include <string>

// Result codes of the transfer primitives.
enum : int {
    kTransferDone = 200,
    kNoStatus = 300,
    kUnsupportedAddress = 400,
    kNothingToTransfer = 404,
    kNoInternetHandle = 1000,
    kNoConnection = 1001,
    kIncomplete = 1002,
};

enum class tTransferMode { Default, Text, Binary };

struct tTransferOptions {
    tTransferMode mode = tTransferMode::Default;
    bool passiveFtp = false;
    // An open FTP connection (the libcurl handle of a cached connection) to run the transfer
    // on instead of a connection of its own.
    void* ftpConnection = nullptr;
    bool appendFtp = false;  // an FTP upload adds to the end of the remote file
    // Called after every block with the expected total and the bytes moved so far; false stops
    // the transfer (a paused process waits inside it).
    std::function<bool(int64_t expected, int64_t moved)> progress;
};

struct tTransferResult {
    int code = kUnsupportedAddress;
    std::string contentType;  // of an HTTP answer as stored; empty for FTP
    bool stopped = false;     // the progress callback asked to stop
};

// `url` (FTP, HTTP or HTTPS) into the local file `target`.
tTransferResult downloadUrl(const std::string& url, const std::string& target, const tTransferOptions& options);

// The local file to `url` (FTP, or an HTTP PUT whose answer goes to `responseFile` unless empty).
tTransferResult uploadUrl(const std::string& url, const std::string& localFile, const std::string& responseFile,
                          const tTransferOptions& options);

// An HTTP POST of the fields; URL-encoded unless a field is a file or `multipart` asks for it.
tTransferResult postForm(const std::string& url, const tRequestArray& fields, bool multipart,
                         const std::string& responseFile, const tTransferOptions& options);

// Anonymous FTP logins send this password: a number below 100000, the same throughout the
// run of the program, so that a cached anonymous connection fits every later anonymous transfer.
const std::string& anonymousFtpPassword();

// The result code of a finished libcurl transfer (`curlCode` a CURLcode, `status` the HTTP
// status or 0).
int resultCodeOf(int curlCode, long status, bool http);
