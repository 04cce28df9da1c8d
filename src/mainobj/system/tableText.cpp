#include "mainobj/system/tableText.h"

#include "mainobj/system/tlogotable.h"
#include "values/LogoReader.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trimmed(std::string_view text)
{
    const size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}

bool enclosedIn(std::string_view text, char open, char close)
{
    return text.size() >= 2 && text.front() == open && text.back() == close;
}

tlogoobject* tableValue(std::string_view text)
{
    if (enclosedIn(text, '[', ']')) return ListFromText(text.substr(1, text.size() - 2), false);
    if (enclosedIn(text, '|', '|')) return NewLiteralWord(text.substr(1, text.size() - 2));
    return NewLiteralWord(text);
}

}  // namespace

void readTableText(tlogotable& store, std::string_view text)
{
    std::string group;
    bool inGroup = false;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (enclosedIn(line, '[', ']')) {
            group = trimmed(line.substr(1, line.size() - 2));
            inGroup = true;
            continue;
        }
        const size_t equals = line.find('=');
        if (!inGroup || equals == std::string_view::npos) continue;
        tLogoRef<tlogoobject> value(tableValue(trimmed(line.substr(equals + 1))));
        store.Put(group, trimmed(line.substr(0, equals)), value.get());
    }
}

std::string tableText(const tlogotable& store)
{
    std::string text;
    for (const auto& group : store.Groups()) {
        text += "[" + group->name + "]\r\n";
        for (const auto& [name, value] : group->pairs) text += name + "=" + value->SourceText(1) + "\r\n";
        text += "\r\n";
    }
    return text;
}
