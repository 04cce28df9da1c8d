// Consistency of the built-in English dictionaries with the code that asks them: every error
// key has a message, every entry the sources ask for by a literal key exists, no word hides
// another key of its section, and the texts use only placeholders that get filled.
// The dictionaries and the sources are read from the source tree (ZX_PROJECT_ROOT).

#include "language/TDTables.h"
#include "values/errorConst.h"
#include "values/tInprocType.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kRoot = ZX_PROJECT_ROOT;
const fs::path kDictionaries = kRoot / "resources" / "dictionaries";

// Keys and sections are compared as the parser stores them: ASCII letters lower-cased.
std::string lowered(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every match of `pattern` in the text from `from` to `to` (offsets; the whole text by default).
std::vector<std::smatch> matchesIn(const std::string& text, const std::regex& pattern, size_t from = 0,
                                   size_t to = std::string::npos)
{
    const auto begin = text.begin() + static_cast<long>(from);
    const auto end = text.begin() + static_cast<long>(std::min(to, text.size()));
    return {std::sregex_iterator(begin, end, pattern), std::sregex_iterator()};
}

const TDTables& languageDictionary()
{
    static const TDTables tables = TDTables::Parse(readFile(kDictionaries / "english-language.txt"));
    return tables;
}

const TDTables& interfaceDictionary()
{
    static const TDTables tables = TDTables::Parse(readFile(kDictionaries / "english-interface.txt"));
    return tables;
}

// ---- error keys and error captions ----------------------------------------------------------

// The enumerator names of an enum in a header under src/, read from the source so that the
// list grows with it.
std::vector<std::string> enumeratorNames(const char* header, const char* enumName, const char* prefix)
{
    const std::string text = readFile(kRoot / "src" / header);
    const size_t open = text.find('{', text.find(std::string("enum ") + enumName));
    const std::regex enumerator(std::string(R"(\b()") + prefix + R"(\w+)\b)");
    std::vector<std::string> names;
    for (const std::smatch& m : matchesIn(text, enumerator, open, text.find('}', open)))
        names.push_back(m[1]);
    return names;
}

TEST(DictionaryContent, EveryErrorKeyHasAMessage)
{
    const std::vector<std::string> names = enumeratorNames("values/errorConst.h", "errorConst", "er");
    ASSERT_EQ(names.size(), static_cast<size_t>(kErrorConstCount)) << "errorConst.h was not read as expected";
    for (const std::string& name : names) {
        const std::string* message = interfaceDictionary().Find("errors", name);
        ASSERT_NE(message, nullptr) << "no \"errors\" entry for " << name;
        EXPECT_FALSE(message->empty()) << "empty message for " << name;
    }
}

// An error report is headed by the caption of the kind of context it happened in.
TEST(DictionaryContent, EveryContextKindHasAnErrorCaption)
{
    std::vector<std::string> names = enumeratorNames("values/tInprocType.h", "tInprocType", "ip");
    ASSERT_EQ(names.size(), static_cast<size_t>(ipLoadFile) + 1) << "tInprocType.h was not read as expected";
    names.insert(names.end(), {"Error", "errorinproc"});
    for (const std::string& name : names) {
        const std::string* caption = interfaceDictionary().Find("ErrorCaptions", name);
        ASSERT_NE(caption, nullptr) << "no \"ErrorCaptions\" entry for " << name;
        EXPECT_FALSE(caption->empty()) << "empty caption for " << name;
    }
}

// ---- entries the code asks for ----------------------------------------------------------

// Source text with comments blanked out, string and character literals kept, so that
// examples in comments are not taken for requests.
std::string withoutComments(const std::string& source)
{
    std::string out = source;
    size_t i = 0;
    while (i < out.size()) {
        const char c = out[i];
        if (c == '"' || c == '\'') {
            for (++i; i < out.size() && out[i] != c; ++i)
                if (out[i] == '\\')
                    ++i;
            ++i;
        } else if (out.compare(i, 2, "//") == 0) {
            while (i < out.size() && out[i] != '\n')
                out[i++] = ' ';
        } else if (out.compare(i, 2, "/*") == 0) {
            const size_t end = std::min(out.find("*/", i + 2), out.size() - 2) + 2;
            for (; i < end; ++i)
                if (out[i] != '\n')
                    out[i] = ' ';
        } else {
            ++i;
        }
    }
    return out;
}

struct tRequest {
    enum Dictionary { language, interface } dictionary;
    std::string section;
    std::string key;
    std::string where;
};

// How a lookup function names its section and key; some always look in one section.
struct tLookupForm {
    const char* function;
    tRequest::Dictionary dictionary;
    const char* fixedSection;  // nullptr: the first literal argument is the section
};

const tLookupForm kLookupForms[] = {
    {"primaryName", tRequest::language, "dict"},
    {"dictWord", tRequest::language, "dict"},
    {"nameCodes", tRequest::language, "dict"},
    {"textMessage", tRequest::language, "text"},
    {"getStr", tRequest::language, nullptr},
    {"primaryWord", tRequest::language, nullptr},
    {"isWord", tRequest::language, nullptr},
    {"uiString", tRequest::interface, nullptr},
    {"uiFormat", tRequest::interface, "strings"},
};

// Registration by key, directly or through a table of rows (an array of a "t...Row" type whose
// rows begin with the key). "set*name" and "*name" ask for the "dict" entry of name.
const std::regex kRegistration(R"re(\bRegisterByKey\s*(?:<[^;>]*>)?\s*\([^;"]*"([^"\\]+)")re");
const std::regex kRowTable(R"re(\bt\w*Row\s+\w+\s*\[\s*\]\s*=\s*\{)re");
const std::regex kRowKey(R"re(\{\s*"([^"\\]+)"\s*,)re");

// Names registered under their own text in every language, so never dictionary keys.
const std::set<std::string> kLiteralNames = {
    "+", "-", "*", "/", "<", ">", "<=", ">=", "=", "<>", "<unary ->", "<unary +>",
    "in", "inw", "ind", "out", "outw", "outd", "ftpopen", "ftpclose", "downloadurl", "uploadurl",
    "postfile", "postrequest", "transferstatus", "lastcontenttype", "startprintjob", "endprintjob",
};

// A word that names an entry whatever the language: the byte 0xB7 and a "dict" key, "set" and
// a "dict" key, or a section, 0xB7 and a key. C++ sources write the byte as an escape (and
// may split the literal after it); Logo text holds the byte itself.
struct tNeutralSpelling {
    std::vector<const char*> markers;  // a text that holds a neutral word holds one of these
    std::regex word;                   // group 1: what follows the first marker
    std::regex sectionAndKey;          // groups 1 and 2 of a word with a second marker
};

const tNeutralSpelling kEscapedInSource = {
    {"\\xB7", "\\xb7", "\\267"},
    std::regex(R"re(\\(?:xB7|xb7|267)(?:"\s*")?([A-Za-z_.][\w.?!]*(?:\\(?:xB7|xb7|267)(?:"\s*")?[\w.?!]+)?))re"),
    std::regex(R"re(([^\\"]+)\\(?:xB7|xb7|267)(?:"\s*")?(.+))re"),
};

const tNeutralSpelling kRawInLogo = {
    {"\xB7"},
    std::regex("\xB7([A-Za-z_.][\\w.?!]*(?:\xB7[\\w.?!]+)?)"),
    std::regex("([^\xB7]+)\xB7(.+)"),
};

int lineOf(const std::string& text, size_t offset)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n'));
}

// "file:line" of an offset into the file's text.
std::string location(const std::string& file, const std::string& text, long offset)
{
    return file + ":" + std::to_string(lineOf(text, static_cast<size_t>(offset)));
}

// A literal call whose report flag is false tolerates a missing entry.
bool isOptionalCall(const std::string& arguments)
{
    static const std::regex reportOff(R"(,\s*false\s*$)");
    return std::regex_search(arguments, reportOff);
}

// One compiled pattern per lookup form: the function name, its literal section (unless fixed)
// and key, and the rest of the argument list.
const std::vector<std::regex>& lookupPatterns()
{
    static const std::vector<std::regex> patterns = [] {
        const std::string literal = R"re("([^"\\]*)")re";
        std::vector<std::regex> compiled;
        for (const tLookupForm& form : kLookupForms)
            compiled.emplace_back(std::string(R"(\b)") + form.function + R"(\s*\(\s*)" + literal +
                                  (form.fixedSection ? "" : R"(\s*,\s*)" + literal) + R"re(([^;)]*))re");
        return compiled;
    }();
    return patterns;
}

void collectLookups(const std::string& text, const std::string& file, std::vector<tRequest>& requests)
{
    for (size_t f = 0; f < std::size(kLookupForms); ++f) {
        const tLookupForm& form = kLookupForms[f];
        if (text.find(form.function) == std::string::npos)
            continue;
        const std::regex& call = lookupPatterns()[f];
        for (const std::smatch& m : matchesIn(text, call)) {
            const std::string rest = m[form.fixedSection ? 2 : 3];
            if (isOptionalCall(rest))
                continue;
            const std::string where = location(file, text, m.position());
            if (form.fixedSection)
                requests.push_back({form.dictionary, form.fixedSection, lowered(m[1].str()), where});
            else
                requests.push_back({form.dictionary, lowered(m[1].str()), lowered(m[2].str()), where});
        }
    }
}

void addRegistration(std::string key, std::string where, std::vector<tRequest>& requests)
{
    key = lowered(key);
    if (kLiteralNames.count(key))
        return;
    if (key.rfind("set*", 0) == 0)
        key.erase(0, 4);
    else if (key.rfind('*', 0) == 0)
        key.erase(0, 1);
    requests.push_back({tRequest::language, "dict", key, std::move(where)});
}

void collectRegistrations(const std::string& text, const std::string& file, std::vector<tRequest>& requests)
{
    if (text.find("RegisterByKey") != std::string::npos)
        for (const std::smatch& m : matchesIn(text, kRegistration))
            addRegistration(m[1], location(file, text, m.position()), requests);
    if (text.find("Row") == std::string::npos)
        return;
    for (const std::smatch& table : matchesIn(text, kRowTable)) {
        const size_t rowsAt = static_cast<size_t>(table.position() + table.length());
        for (const std::smatch& row : matchesIn(text, kRowKey, rowsAt, text.find("};", rowsAt)))
            addRegistration(row[1], location(file, text, static_cast<long>(rowsAt) + row.position()), requests);
    }
}

void collectNeutralWords(const std::string& text, const std::string& file, const tNeutralSpelling& spelling,
                         std::vector<tRequest>& requests)
{
    if (std::none_of(spelling.markers.begin(), spelling.markers.end(),
                     [&](const char* marker) { return text.find(marker) != std::string::npos; }))
        return;
    for (const std::smatch& m : matchesIn(text, spelling.word)) {
        const std::string name = m[1];
        const std::string where = location(file, text, m.position());
        std::smatch parts;
        if (std::regex_match(name, parts, spelling.sectionAndKey)) {
            requests.push_back({tRequest::language, lowered(parts[1].str()), lowered(parts[2].str()), where});
            continue;
        }
        std::string key = lowered(name);
        if (!languageDictionary().Find("dict", key) && key.rfind("set", 0) == 0)
            key.erase(0, 3);
        requests.push_back({tRequest::language, "dict", key, where});
    }
}

std::string relativeName(const fs::path& path)
{
    return fs::relative(path, kRoot).generic_string();
}

// The C++ sources under src/ and the Logo text (".lgo") under resources/.
std::vector<tRequest> requestsInSources()
{
    std::vector<tRequest> requests;
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / "src")) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h"))
            continue;
        const std::string text = withoutComments(readFile(entry.path()));
        collectLookups(text, relativeName(entry.path()), requests);
        collectRegistrations(text, relativeName(entry.path()), requests);
        collectNeutralWords(text, relativeName(entry.path()), kEscapedInSource, requests);
    }
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / "resources"))
        if (entry.is_regular_file() && entry.path().extension() == ".lgo")
            collectNeutralWords(readFile(entry.path()), relativeName(entry.path()), kRawInLogo, requests);
    return requests;
}

bool answers(const tRequest& request)
{
    const TDTables& tables = request.dictionary == tRequest::language ? languageDictionary() : interfaceDictionary();
    return tables.Find(request.section, request.key) != nullptr;
}

TEST(DictionaryContent, EveryEntryTheSourcesAskForExists)
{
    for (const tRequest& request : requestsInSources())
        EXPECT_TRUE(answers(request)) << request.where << " asks the "
                                      << (request.dictionary == tRequest::language ? "language" : "interface")
                                      << " dictionary for [" << request.section << "] " << request.key;
}

// The scanner itself: each form of request in a small source text is found, comments are not.
TEST(DictionaryContent, SourceScannerFindsEachFormOfRequest)
{
    const std::string source = withoutComments(R"src(
        // primaryName("fromacomment")
        /* textMessage("fromablock") */
        a = primaryName("forward");
        b = getStr("other", "true", true);
        c = getStr("system", "ansi", false);
        d = uiFormat("ZembrixCaption", {});
        e = textMessage("novalue");
        g = nameCodes("destroy");
        RegisterByKey<tTurtleSetHeading>(turtle, "set*heading", 1, 0);
        RegisterLiteral<tObjectProc1Desc>(table, "+", 4);
        constexpr tPrimitiveRow kRows[] = {
            {"repeat", 2, kFixedInputs, repeat},
            {"<>", 2, 0, nullptr},
        };
        const char* notARow[] = {"elsewhere", "x"};
        f = "\xB7" "forward \xB7myplace'\xB7mousepos \xB7" "param\xB7wrap \xB7setpencolour";
    )src");
    std::vector<tRequest> requests;
    collectLookups(source, "example", requests);
    collectRegistrations(source, "example", requests);
    collectNeutralWords(source, "example", kEscapedInSource, requests);
    collectNeutralWords("to go\n \xB7home \xB7other\xB7" "end\n", "example.lgo", kRawInLogo, requests);

    std::set<std::string> found;
    for (const tRequest& r : requests)
        found.insert(r.section + "/" + r.key);
    const std::set<std::string> expected = {"dict/forward", "other/true",   "strings/zembrixcaption",
                                            "text/novalue", "dict/heading", "dict/myplace",
                                            "dict/mousepos", "param/wrap",  "dict/pencolour",
                                            "dict/home",     "other/end",    "dict/repeat",
                                            "dict/destroy"};
    EXPECT_EQ(found, expected);
}

// ---- words that would hide another key -----------------------------------------------------

// Sections whose words are looked up to find a key: a word under two keys makes one of them
// unreachable.
const char* const kSectionsLookedUpByWord[] = {"dict",   "class", "colors", "keynames",       "pathnames",
                                               "option", "param", "other",  "instrumentnames"};

// Words deliberately shared, each by exactly these keys.
struct tSharedWord {
    const char* section;
    const char* word;
    std::set<std::string> keys;
    const char* reason;
};

const char* const kDifferentKinds = "properties of different object kinds, each kind declares only its own";
const char* const kSeparateInputs = "keys of different primitives' inputs, each primitive checks only its own";

const tSharedWord kSharedWords[] = {
    {"dict", "value", {"value", "value_slider"}, kDifferentKinds},
    {"dict", "font", {"font", "font_text"}, kDifferentKinds},
    {"dict", "bgcolour", {"bgcolour", "bgcolour_text", "bgcolour_slider"}, kDifferentKinds},
    {"dict", "bgcolor", {"bgcolour", "bgcolour_text", "bgcolour_slider"}, kDifferentKinds},
    {"dict", "transparent", {"transparent", "transparent_slider"}, kDifferentKinds},
    {"dict", "caption", {"caption", "caption_window", "caption_mm", "caption_web"}, kDifferentKinds},
    {"dict", "style", {"style", "style_mm", "style_web", "style_net"}, kDifferentKinds},
    {"dict", "showtitlebar", {"showtitlebar", "showtitlebar_mm"}, kDifferentKinds},
    {"dict", "maximized", {"maximized", "maximized_web"}, kDifferentKinds},
    {"dict", "port", {"port", "port_email", "port_serial"}, kDifferentKinds},
    {"param", "style", {"style", "style_putpicture"}, kSeparateInputs},
    {"param", "center", {"center", "center_putpicture"}, kSeparateInputs},
    {"param", "centre", {"center", "center_putpicture"}, kSeparateInputs},
};

// The words of an entry; in "instrumentnames" a name of several words is written in brackets.
std::vector<std::string> wordsOf(const std::string& section, const std::string& value)
{
    if (section != "instrumentnames")
        return splitWords(value);
    std::vector<std::string> words;
    const std::regex name(R"(\[([^\]]*)\]|([^\s\[\]]+))");
    for (const std::smatch& m : matchesIn(value, name))
        words.push_back(m[1].matched ? m[1].str() : m[2].str());
    return words;
}

// word -> keys that list it, compared as the language compares names (without case).
std::map<std::string, std::set<std::string>> keysByWord(const TDTable& section)
{
    std::map<std::string, std::set<std::string>> keys;
    for (const auto& [key, value] : section.Entries())
        for (const std::string& word : wordsOf(section.Name(), value))
            keys[lowered(word)].insert(key);
    return keys;
}

const tSharedWord* sharedWord(const std::string& section, const std::string& word)
{
    for (const tSharedWord& shared : kSharedWords)
        if (section == shared.section && word == shared.word)
            return &shared;
    return nullptr;
}

TEST(DictionaryContent, NoWordHidesAnotherKeyOfItsSection)
{
    for (const char* name : kSectionsLookedUpByWord) {
        const TDTable* section = languageDictionary().FindSection(name);
        ASSERT_NE(section, nullptr) << "no section " << name;
        for (const auto& [word, keys] : keysByWord(*section)) {
            if (keys.size() < 2)
                continue;
            const tSharedWord* shared = sharedWord(section->Name(), word);
            const std::string listed = [&] {
                std::string text;
                for (const std::string& key : keys)
                    text += " " + key;
                return text;
            }();
            if (!shared)
                ADD_FAILURE() << "[" << name << "] the word " << word << " is a synonym of" << listed;
            else
                EXPECT_EQ(keys, shared->keys) << "[" << name << "] the word " << word << " is shared by" << listed;
        }
    }
}

// An exception that no longer applies would hide a future clash of that word.
TEST(DictionaryContent, EverySharedWordExceptionIsStillShared)
{
    for (const tSharedWord& shared : kSharedWords) {
        const TDTable* section = languageDictionary().FindSection(shared.section);
        ASSERT_NE(section, nullptr);
        EXPECT_GT(keysByWord(*section)[shared.word].size(), 1u)
            << "[" << shared.section << "] " << shared.word << " is listed as shared but no longer is";
    }
}

// The further setter and getter names of a property are registered beside the "dict" words,
// so they must not be the word of another key.
TEST(DictionaryContent, FurtherSetterAndGetterNamesHideNoOtherKey)
{
    const auto dictKeys = keysByWord(*languageDictionary().FindSection("dict"));
    for (const char* name : {"set", "get"}) {
        const TDTable* section = languageDictionary().FindSection(name);
        ASSERT_NE(section, nullptr) << "no section " << name;
        for (const auto& [key, value] : section->Entries())
            for (const std::string& word : splitWords(value)) {
                const auto owners = dictKeys.find(lowered(word));
                EXPECT_TRUE(owners == dictKeys.end() || owners->second == std::set<std::string>{key})
                    << "[" << name << "] " << key << ": " << word << " is a \"dict\" word of "
                    << *owners->second.begin();
            }
    }
}

// New objects of a kind are named with the kind's prefix, so every kind needs one.
TEST(DictionaryContent, EveryObjectKindHasANamePrefix)
{
    for (const auto& [kind, words] : languageDictionary().FindSection("class")->Entries()) {
        const std::string* prefix = languageDictionary().Find("prefix", kind);
        ASSERT_NE(prefix, nullptr) << "no \"prefix\" entry for the kind " << kind;
        EXPECT_FALSE(splitWords(*prefix).empty()) << "empty prefix for the kind " << kind;
    }
}

// ---- placeholders -------------------------------------------------------------------------

// An unknown placeholder would be shown to the learner as it stands.
TEST(DictionaryContent, ErrorTextsUseOnlyFilledPlaceholders)
{
    const std::string kCodes = "FHchLPabp";
    for (const char* section : {"errors", "errorcaptions"}) {
        const TDTable* table = interfaceDictionary().FindSection(section);
        ASSERT_NE(table, nullptr) << section;
        for (const auto& [key, text] : table->Entries())
            for (size_t at = text.find('#'); at != std::string::npos; at = text.find('#', at + 2))
                EXPECT_TRUE(at + 1 < text.size() && kCodes.find(text[at + 1]) != std::string::npos)
                    << "[" << section << "] " << key << ": " << text;
    }
}

TEST(DictionaryContent, InterpreterMessagesUseOnlySubstitutedArguments)
{
    const std::regex argument(R"(%(s[12]?)?)");
    for (const auto& [key, text] : languageDictionary().FindSection("text")->Entries())
        for (const std::smatch& m : matchesIn(text, argument))
            EXPECT_TRUE(m[1].matched) << "[text] " << key << ": " << text;
}

// ---- encoding -------------------------------------------------------------------------------

// Offset of the first two- or three-byte UTF-8 sequence, or npos.
size_t firstUtf8Sequence(const std::string& bytes)
{
    const auto continuation = [&](size_t i) {
        return i < bytes.size() && (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80;
    };
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if ((lead >= 0xC2 && lead <= 0xDF && continuation(i + 1)) ||
            (lead >= 0xE0 && lead <= 0xEF && continuation(i + 1) && continuation(i + 2)))
            return i;
    }
    return std::string::npos;
}

// Words are Windows-1252 bytes; a file saved as UTF-8 would give every accented word two
// wrong characters.
TEST(DictionaryContent, DictionaryFilesHoldNoUtf8Sequences)
{
    EXPECT_EQ(firstUtf8Sequence("caf\xE9 na\xEFve \xB6"), std::string::npos);
    EXPECT_EQ(firstUtf8Sequence("caf\xC3\xA9"), 3u);
    for (const auto& entry : fs::directory_iterator(kDictionaries)) {
        if (entry.path().extension() != ".txt")
            continue;
        const std::string bytes = readFile(entry.path());
        const size_t at = firstUtf8Sequence(bytes);
        EXPECT_EQ(at, std::string::npos) << entry.path().filename() << " line " << lineOf(bytes, at);
    }
}

}
