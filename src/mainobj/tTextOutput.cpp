#include "mainobj/tTextOutput.h"

#include "values/eLogoException.h"

std::unique_ptr<tStdioOutput> tStdioOutput::CreateFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw eLogoException(erFileCreate, std::string_view(path));
    return std::unique_ptr<tStdioOutput>(new tStdioOutput(file, true));
}

std::unique_ptr<tStdioOutput> tStdioOutput::StandardOutput()
{
    return std::unique_ptr<tStdioOutput>(new tStdioOutput(stdout, false));
}

tStdioOutput::~tStdioOutput() { Close(); }

void tStdioOutput::Write(std::string_view text)
{
    if (!file_) return;
    std::fwrite(text.data(), 1, text.size(), file_);
    // Console output interleaves with error reports on standard error.
    if (!owned_) std::fflush(file_);
}

void tStdioOutput::Close()
{
    if (file_ && owned_) std::fclose(file_);
    if (file_ && !owned_) std::fflush(file_);
    file_ = nullptr;
}
