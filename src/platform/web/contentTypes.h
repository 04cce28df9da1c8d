#pragma once

#include <string>

// The content type the system records for a file's extension ("" when it knows none).
std::string contentTypeOfFile(const std::string& fileName);

// Whether a content type asks for text mode (it starts with "text/", letter case ignored).
bool isTextContentType(const std::string& contentType);

// Whether it is "text/plain" (parameters such as the charset and letter case ignored).
bool isPlainTextContentType(const std::string& contentType);
