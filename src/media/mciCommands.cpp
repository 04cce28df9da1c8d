#include "media/mciCommands.h"

#include <cctype>
#include <charconv>
#include <vector>

#include "values/eLogoException.h"

namespace {

struct tMciVerb {
    const char* word;
    tMciCommand::Verb verb;
    const char* options;  // the option words it takes, each followed by a blank
};

constexpr tMciVerb kVerbs[] = {
    {"open", tMciCommand::kOpen, "alias type wait "},  {"play", tMciCommand::kPlay, "from to wait repeat "},
    {"stop", tMciCommand::kStop, "wait "},              {"pause", tMciCommand::kPause, "wait "},
    {"resume", tMciCommand::kResume, "wait "},          {"seek", tMciCommand::kSeek, "to wait "},
    {"close", tMciCommand::kClose, "wait "},            {"status", tMciCommand::kStatus, "length position mode ready wait "},
    {"set", tMciCommand::kSet, "time wait "},
};

constexpr std::pair<const char*, tMciCommand::Item> kItems[] = {
    {"length", tMciCommand::kLength}, {"position", tMciCommand::kPosition}, {"mode", tMciCommand::kMode}, {"ready", tMciCommand::kReady}};

std::string lowered(std::string_view word)
{
    std::string lower;
    for (char c : word) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Blank-separated words; "a b" in double quotes is one word without its quotes.
std::vector<std::string> wordsOf(std::string_view text)
{
    std::vector<std::string> words;
    size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \t", at);
        if (at == std::string_view::npos) return words;
        if (text[at] == '"') {
            const size_t end = text.find('"', at + 1);
            if (end == std::string_view::npos) throw eLogoException(erMCI, text);
            words.emplace_back(text.substr(at + 1, end - at - 1));
            at = end + 1;
        } else {
            const size_t end = std::min(text.find_first_of(" \t", at), text.size());
            words.emplace_back(text.substr(at, end - at));
            at = end;
        }
    }
}

class tReader {
public:
    explicit tReader(std::string_view text) : text(text), words(wordsOf(text)) {}

    bool AtEnd() const { return next == words.size(); }
    std::string Word()
    {
        if (AtEnd()) throw eLogoException(erMCI, text);
        return words[next++];
    }
    int64_t Milliseconds()
    {
        const std::string word = Word();
        int64_t value = 0;
        const auto [end, failure] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (failure != std::errc() || end != word.data() + word.size() || value < 0) throw eLogoException(erMCI, word);
        return value;
    }
    // The next word must be `expected` (in any case).
    void Expect(std::string_view expected)
    {
        const std::string word = Word();
        if (lowered(word) != expected) throw eLogoException(erMCI, word);
    }

    const std::string_view text;

private:
    std::vector<std::string> words;
    size_t next = 0;
};

const tMciVerb& verbOf(const std::string& word)
{
    for (const tMciVerb& row : kVerbs)
        if (lowered(word) == row.word) return row;
    throw eLogoException(erMCI, word);
}

bool takes(const tMciVerb& row, const std::string& option) { return std::string_view(row.options).find(option + " ") != std::string_view::npos; }

void readOption(tReader& reader, tMciCommand& command, const std::string& option)
{
    if (option == "wait") {
        command.wait = true;
    } else if (option == "repeat") {
        command.repeat = true;
    } else if (option == "alias") {
        command.alias = reader.Word();
    } else if (option == "type") {
        reader.Word();  // the type comes from the file's contents
    } else if (option == "from") {
        command.from = reader.Milliseconds();
    } else if (option == "to" && command.verb == tMciCommand::kSeek) {
        const std::string where = lowered(reader.Word());
        if (where == "start")
            command.from = 0;
        else if (where == "end")
            command.toEnd = true;
        else
            command.from = tReader(where).Milliseconds();
    } else if (option == "to") {
        command.to = reader.Milliseconds();
    } else if (option == "time") {
        // Times are milliseconds, the only format there is.
        reader.Expect("format");
        const std::string format = lowered(reader.Word());
        if (format != "milliseconds" && format != "ms") throw eLogoException(erMCI, format);
    } else {
        for (const auto& [word, item] : kItems)
            if (option == word) command.item = item;
    }
}

}  // namespace

tMciCommand readMciCommand(std::string_view text)
{
    tReader reader(text);
    tMciCommand command;
    const tMciVerb& verb = verbOf(reader.Word());
    command.verb = verb.verb;
    command.device = reader.Word();
    while (!reader.AtEnd()) {
        const std::string option = lowered(reader.Word());
        if (!takes(verb, option) || (command.verb == tMciCommand::kStatus && command.item != tMciCommand::kNoItem && option != "wait"))
            throw eLogoException(erMCI, option);
        readOption(reader, command, option);
    }
    if (command.verb == tMciCommand::kOpen && command.alias.empty()) command.alias = command.device;
    if (command.verb == tMciCommand::kStatus && command.item == tMciCommand::kNoItem) throw eLogoException(erMCI, text);
    if (command.verb == tMciCommand::kSeek && !command.from && !command.toEnd) throw eLogoException(erMCI, text);
    return command;
}
