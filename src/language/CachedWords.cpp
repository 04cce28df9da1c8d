#include "language/LanguageState.h"

namespace {

std::vector<std::string> synonymsOr(const TDTables& dictionary, const char* section, const char* key,
                                    const char* fallback)
{
    const std::string* value = dictionary.Find(section, key);
    std::vector<std::string> words = value ? splitWords(*value) : std::vector<std::string>{};
    if (words.empty())
        words.emplace_back(fallback);
    return words;
}

}

tCachedWords cacheWords(const TDTables& dictionary)
{
    tCachedWords words;
    words.trueWords = synonymsOr(dictionary, "other", "true", "true");
    words.falseWords = synonymsOr(dictionary, "other", "false", "false");
    words.usualPrefix = synonymsOr(dictionary, "param", "usual", "usual").front() + "'";

    const std::string* setfix = dictionary.Find("system", "setfix");
    const std::string pattern = setfix && !setfix->empty() ? *setfix : std::string("set*");
    const size_t star = pattern.find('*');
    words.setterPrefix = pattern.substr(0, star);
    words.setterSuffix = star == std::string::npos ? std::string() : pattern.substr(star + 1);

    words.comparison = dictionary.Find("system", "ansi") ? tComparisonMode::folding : tComparisonMode::upperCase;
    return words;
}
