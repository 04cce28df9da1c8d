#include "mainobj/system/textFiles.h"

#include <fstream>
#include <iterator>

#include "mainobj/tClipboard.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

std::string readTextFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) throw eLogoException(erFileProblem, std::string_view(path));
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw eLogoException(erFileProblem, std::string_view(path));
    return text;
}

void writeTextFile(const std::string& path, std::string_view text, bool append)
{
    std::ofstream file(path, std::ios::binary | (append ? std::ios::app : std::ios::trunc));
    if (file) file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file || !file.flush()) throw eLogoException(erFileCreate, std::string_view(path));
}

std::string clipboardText()
{
    std::string text = clipboard().Text();
    if (text.empty()) throw eLogoException(erClipboard);
    return text;
}

tlogoobject* textLines(std::string_view text)
{
    tListBuilder list;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        list.Append(NewLiteralWord(text.substr(0, end)));
        if (end == std::string_view::npos) break;
        const size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
    return list.Take();
}
