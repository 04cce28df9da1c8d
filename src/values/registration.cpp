#include "values/registration.h"

namespace {

void appendWords(std::vector<std::string>& names, const std::string& words, std::string (*decorate)(std::string_view))
{
    size_t start = 0;
    while (start < words.size()) {
        size_t end = words.find(' ', start);
        if (end == std::string::npos) end = words.size();
        if (end > start) names.push_back(decorate(std::string_view(words).substr(start, end - start)));
        start = end + 1;
    }
}

std::string asIs(std::string_view word) { return std::string(word); }

// The "dict" synonyms of a key, or the key between at-signs, which no user can type.
std::string dictionarySynonyms(std::string_view key)
{
    std::string words = getStr("dict", key, false);
    return words.empty() ? "@" + std::string(key) + "@" : words;
}

}  // namespace

std::vector<std::string> registrationNames(std::string_view key)
{
    std::vector<std::string> names;
    if (key.size() > 4 && key.substr(0, 4) == "set*") {
        const std::string_view name = key.substr(4);
        appendWords(names, dictionarySynonyms(name), &setterName);
        appendWords(names, setWords(name), &asIs);
    } else if (key.size() > 1 && key[0] == '*') {
        const std::string_view name = key.substr(1);
        appendWords(names, dictionarySynonyms(name), &asIs);
        appendWords(names, getWords(name), &asIs);
    } else {
        appendWords(names, dictionarySynonyms(key), &asIs);
    }
    return names;
}
