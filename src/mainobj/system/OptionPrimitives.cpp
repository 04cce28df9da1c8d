#include "mainobj/system/systemPrimitives.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/systemOptions.h"
#include "mainobj/system/timeUnits.h"
#include "mainobj/tPrimitiveCall.h"
#include "processes/processEnvironment.h"
#include "values/eLogoException.h"
#include "values/strictOption.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/tTabDesc.h"
#include "values/valuePools.h"

// "option" and "setoption": one row per key of the dictionary's "option" section, with how a
// value is taken and how the setting is reported.

namespace {

tSystemOptions& options() { return systemOptions(); }

tlogoobject* flag(bool on) { return NewInteger(on ? 1 : 0); }

int32_t unitCode(tlogoobject* value)
{
    const int code = unitCodeOfRate(value->AsIntegerIn(10, 1000));
    if (code < 0) throw eLogoException(erBadValue, value);
    return code;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The text after the last "." of the program's version.
std::string buildNumber()
{
    const std::string version = ZEMBRIX_VERSION;
    const size_t dot = version.rfind('.');
    return dot == std::string::npos ? "1.5" : version.substr(dot + 1);
}

struct tOptionSetting {
    const char* key;
    void (*set)(tlogoobject* value);  // none: the option can only be read
    tlogoobject* (*get)();
};

const tOptionSetting kOptionSettings[] = {
    {"error", [](tlogoobject* value) { value->AsIntegerIn(0, 1); }, [] { return flag(true); }},
    {"picker",
     [](tlogoobject* value) {
         if (!value->IsList()) throw eLogoException(erExpectList, value);
         options().pickerEntries.clear();
         for (tlogoobject* entry : elements(static_cast<tLogoList*>(value)))
             options().pickerEntries.push_back(entry->PrintText(0));
     },
     []() -> tlogoobject* {
         tListBuilder entries;
         for (const std::string& entry : options().pickerEntries) entries.Append(NewLiteralWord(entry));
         return entries.Take();
     }},
    {"colourcursor", [](tlogoobject* value) { options().colourCursor = value->AsIntegerIn(0, 1); },
     [] { return flag(options().colourCursor); }},
    {"ansi",
     [](tlogoobject* value) {
         options().ansi = value->AsIntegerIn(0, 1);
         setAnsiOutput(options().ansi);
     },
     [] { return flag(options().ansi); }},
    {"sound", [](tlogoobject* value) { options().sound = value->AsIntegerIn(0, 1); },
     [] { return flag(options().sound); }},
    // 2 to 11 act as 1, and are reported so.
    {"fkeys",
     [](tlogoobject* value) {
         const int32_t keys = value->AsIntegerIn(0, 12);
         options().fkeys = keys >= 1 && keys <= 11 ? 1 : keys;
     },
     []() -> tlogoobject* { return NewInteger(options().fkeys); }},
    {"thresholdy2k", [](tlogoobject* value) { options().thresholdY2k = value->AsIntegerIn(0, 99); },
     []() -> tlogoobject* { return NewInteger(options().thresholdY2k); }},
    {"ellapseunit", [](tlogoobject* value) { setElapseUnit(unitCode(value)); },
     []() -> tlogoobject* { return NewInteger(unitRate(elapseUnit())); }},
    {"timeunit", [](tlogoobject* value) { options().timeUnit = unitCode(value); },
     []() -> tlogoobject* { return NewInteger(unitRate(options().timeUnit)); }},
    {"strict", [](tlogoobject* value) { setStrictLevel(value->AsIntegerIn(0, 2)); },
     []() -> tlogoobject* { return NewInteger(strictLevel()); }},
    {"octaves", [](tlogoobject* value) { options().octaves = value->AsIntegerIn(1, 4); },
     []() -> tlogoobject* { return NewInteger(options().octaves); }},
    {"homepage", [](tlogoobject* value) { options().homePage = value->PrintText(0); },
     []() -> tlogoobject* { return NewLiteralWord(options().homePage); }},
    {"pluginpage", [](tlogoobject* value) { options().pluginPage = value->PrintText(0); },
     []() -> tlogoobject* { return NewLiteralWord(options().pluginPage); }},
    {"HTMLcharset", [](tlogoobject* value) { options().htmlCharset = value->PrintText(0); },
     []() -> tlogoobject* { return NewLiteralWord(options().htmlCharset); }},
    {"HTMLbottomLine", [](tlogoobject* value) { options().htmlBottomLine = value->PrintText(0); },
     []() -> tlogoobject* { return NewLiteralWord(options().htmlBottomLine); }},
    // 8 and 16 mark the loading of the built-in start-up program.
    {"state", nullptr, []() -> tlogoobject* { return NewInteger(512 + (markingSystemEntries() ? 8 + 16 : 0)); }},
    {"version", nullptr, []() -> tlogoobject* { return NewLiteralWord(lowerCase(currentLanguage())); }},
    {"build", nullptr, []() -> tlogoobject* { return NewLiteralWord(buildNumber()); }},
};

// The program's arguments, read back from the system's record of the command line.
tlogoobject* programArguments()
{
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string line((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    tListBuilder arguments;
    size_t start = line.find('\0');
    while (start != std::string::npos && start + 1 < line.size()) {
        const size_t end = line.find('\0', start + 1);
        arguments.Append(NewLiteralWord(line.substr(start + 1, end - start - 1)));
        start = end;
    }
    return arguments.Take();
}

tlogoobject* userName()
{
    const passwd* user = getpwuid(geteuid());
    return NewLiteralWord(user && user->pw_name ? user->pw_name : "");
}

// The three keys that are no dictionary entries, matched as they are spelt.
struct tLiteralOption {
    const char* key;
    tlogoobject* (*get)();
};
const tLiteralOption kLiteralOptions[] = {
    {"params", &programArguments},
    {"uiversion", []() -> tlogoobject* { return NewLiteralWord(interfaceLanguage()); }},
    {"username", &userName},
};

const tOptionSetting* optionSetting(tlogoobject* key)
{
    if (key->IsWord())
        for (const tOptionSetting& row : kOptionSettings)
            if (isWord("option", row.key, lowerCase(key->WordText()))) return &row;
    return nullptr;
}

tlogoobject* option(tPrimitiveCall& call)
{
    if (const tOptionSetting* row = optionSetting(call[0])) return row->get();
    for (const tLiteralOption& literal : kLiteralOptions)
        if (call[0]->IsWord() && sameWord(call[0]->WordText(), literal.key)) return literal.get();
    throw eLogoException(erBadValue, call[0]);
}

// Pairs of key and value; the keys are all checked before any setting changes.
tlogoobject* setoption(tPrimitiveCall& call)
{
    tLogoList* list = call.list(0);
    std::vector<tlogoobject*> items;
    for (tlogoobject* item : elements(list)) items.push_back(item);
    if (items.size() % 2 != 0) throw eLogoException(erBadStructure, list);
    for (size_t i = 0; i < items.size(); i += 2) {
        const tOptionSetting* row = optionSetting(items[i]);
        if (!row || !row->set) throw eLogoException(erBadValue, items[i]);
    }
    for (size_t i = 0; i < items.size(); i += 2) optionSetting(items[i])->set(items[i + 1]);
    return nullptr;
}

constexpr tPrimitiveRow kOptionPrimitiveRows[] = {
    {"option", 1, kFixedInputs, &option},
    {"setoption", 1, kFixedInputs, &setoption},
};

}  // namespace

void registerOptionPrimitives(tLogoTab& table) { registerPrimitives(table, kOptionPrimitiveRows); }
