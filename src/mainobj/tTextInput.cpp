#include "mainobj/tTextInput.h"

#include <fstream>
#include <iterator>

#include "values/eLogoException.h"

namespace {

bool blankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

tTextInput tTextInput::FromFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) throw eLogoException(erFileProblem, std::string_view(path));
    return tTextInput(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}

std::string tTextInput::ReadLine()
{
    size_t start = position_;
    size_t end = content_.find_first_of("\r\n", start);
    if (end == std::string::npos) end = content_.size();
    position_ = end;
    if (position_ < content_.size() && content_[position_] == '\r') ++position_;
    if (position_ < content_.size() && content_[position_] == '\n') ++position_;
    while (start < end && blankOrControl(content_[start])) ++start;
    while (end > start && blankOrControl(content_[end - 1])) --end;
    return content_.substr(start, end - start);
}

std::string tTextInput::ReadChar()
{
    if (AtEnd()) return {};
    return std::string(1, content_[position_++]);
}
