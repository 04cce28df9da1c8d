#include "language/Language.h"

#include "language/LanguageReporter.h"
#include "language/LanguageState.h"

#include <algorithm>
#include <optional>

namespace {

std::string atSigned(std::string_view key)
{
    std::string name = "@" + std::string(key) + "@";
    return ansiOutput() ? transliterate(name) : name;
}

std::optional<std::string> entry(std::string_view section, std::string_view key)
{
    const auto state = languageState();
    const std::string* value = state->dictionary.Find(section, key);
    return value ? std::optional(*value) : std::nullopt;
}

std::string firstWord(const std::string& value)
{
    const std::vector<std::string> words = splitWords(value);
    return words.empty() ? std::string() : words.front();
}

bool matchesAny(const std::vector<std::string>& words, std::string_view word)
{
    for (const std::string& candidate : words)
        if (sameWord(candidate, word))
            return true;
    return false;
}

struct tSubstitution {
    std::string_view marker;
    std::string_view by;
};

// Replaces the first occurrence of each marker, found in the template itself, so an argument
// that happens to hold a marker is left alone.
std::string substituted(std::string_view text, std::vector<tSubstitution> substitutions)
{
    std::vector<std::pair<size_t, const tSubstitution*>> places;
    for (const tSubstitution& s : substitutions)
        if (const size_t at = text.find(s.marker); at != std::string_view::npos)
            places.emplace_back(at, &s);
    std::sort(places.begin(), places.end());
    std::string out;
    size_t done = 0;
    for (const auto& [at, s] : places) {
        if (at < done)
            continue;
        out.append(text.substr(done, at - done)).append(s->by);
        done = at + s->marker.size();
    }
    return out.append(text.substr(done));
}

}

std::string getStr(std::string_view section, std::string_view key, bool report)
{
    if (const auto value = entry(section, key))
        return *value;
    if (report)
        reportLanguageProblem("Translation Error - Unknown language string: " + std::string(section) + "-" +
                              std::string(key));
    return {};
}

std::string dictWord(std::string_view key)
{
    return getStr("dict", key, true);
}

std::string setWords(std::string_view key)
{
    return getStr("set", key, false);
}

std::string getWords(std::string_view key)
{
    return getStr("get", key, false);
}

std::string primaryWordOrEmpty(std::string_view section, std::string_view key)
{
    const auto value = entry(section, key);
    return value ? firstWord(*value) : std::string();
}

std::string primaryWord(std::string_view section, std::string_view key)
{
    std::string word = primaryWordOrEmpty(section, key);
    return word.empty() ? atSigned(key) : word;
}

std::string primaryName(std::string_view key)
{
    return primaryWord("dict", key);
}

std::string textMessage(std::string_view key, const std::vector<std::string>& args)
{
    const auto value = entry("text", key);
    const std::string raw = value ? *value : atSigned(key);

    std::string text;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size() && (raw[i + 1] == 'n' || raw[i + 1] == 'N')) {
            text += "\r\n";
            ++i;
        } else {
            text += raw[i];
        }
    }

    if (args.size() == 1)
        return substituted(text, {{"%s", args[0]}});
    if (args.size() >= 2)
        return substituted(text, {{"%s1", args[0]}, {"%s2", args[1]}});
    return text;
}

bool isWord(std::string_view section, std::string_view key, std::string_view word)
{
    const std::string resolved = resolveNeutralName(word);
    const auto value = entry(section, key);
    if (!value)
        return sameWord(resolved, "@" + std::string(key) + "@");
    return matchesAny(splitWords(*value), resolved);
}

bool isTrueWord(std::string_view word)
{
    return matchesAny(languageState()->words.trueWords, word);
}

bool isFalseWord(std::string_view word)
{
    return matchesAny(languageState()->words.falseWords, word);
}

std::string boolWord(bool flag)
{
    const auto state = languageState();
    const std::string& word = (flag ? state->words.trueWords : state->words.falseWords).front();
    return ansiOutput() ? transliterate(word) : word;
}

std::string usualPrefix()
{
    return languageState()->words.usualPrefix;
}

std::string setterName(std::string_view name)
{
    const auto state = languageState();
    return state->words.setterPrefix + std::string(name) + state->words.setterSuffix;
}
