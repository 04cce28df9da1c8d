#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One field of a form post: a text field, or a file field whose value is the local file's path.
struct tRequestField {
    bool isFile = false;
    std::string name;
    std::string value;
    std::string contentType;  // file fields only; empty until chosen
};
using tRequestArray = std::vector<tRequestField>;

inline tRequestField textField(std::string name, std::string value)
{
    return {false, std::move(name), std::move(value), {}};
}

inline tRequestField fileField(std::string name, std::string path, std::string contentType = {})
{
    return {true, std::move(name), std::move(path), std::move(contentType)};
}

// name=value pairs joined by "&", blanks as "+", bytes a form cannot carry as %XX.
std::string urlEncodedBody(const tRequestArray& fields);

// The contents of every field (file fields read from disk); nothing when a file cannot be read.
std::optional<std::vector<std::string>> fieldContents(const tRequestArray& fields);

// A boundary that occurs in no content; nothing when it would grow beyond 69 characters.
// `pick(n)` draws a number below n (random in use, fixed in tests).
std::optional<std::string> chooseBoundary(const std::vector<std::string>& contents,
                                          const std::function<size_t(size_t)>& pick);

// The multipart/form-data body of the fields with the given contents.
std::string multipartBody(const tRequestArray& fields, const std::vector<std::string>& contents,
                          const std::string& boundary);

// The header lines of a post (each ended by CR LF) for a body of the given length.
std::string postHeaders(const std::string& contentType, size_t bodyLength);
