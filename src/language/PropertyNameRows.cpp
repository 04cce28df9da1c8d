#include "language/PropertyNameRows.h"

#include "language/TDTables.h"

namespace {

void append(std::vector<std::string>& to, const std::vector<std::string>& words)
{
    to.insert(to.end(), words.begin(), words.end());
}

tPropertyNameRow rowFor(const std::string& key)
{
    tPropertyNameRow row;
    row.key = key;
    row.synonyms = splitWords(getStr("dict", key, false));
    const bool inDictionary = !row.synonyms.empty();
    if (!inDictionary)
        row.synonyms.push_back(key);

    const std::string& name = row.synonyms.front();
    // Without an entry the English form stands, whatever the language's affixes.
    const std::string setter = inDictionary ? setterName(name) : "set" + name;
    row.nameCode = nameCode(name);
    row.setterCode = nameCode(setter);
    row.setterNames.push_back(setter);
    append(row.setterNames, splitWords(setWords(key)));
    append(row.getterNames, splitWords(getWords(key)));
    for (size_t i = 1; i < row.synonyms.size(); ++i) {
        row.getterNames.push_back(row.synonyms[i]);
        row.setterNames.push_back(setterName(row.synonyms[i]));
    }
    return row;
}

}

std::vector<tPropertyNameRow> buildPropertyNameRows(const std::vector<std::string>& keys)
{
    std::vector<tPropertyNameRow> rows;
    rows.reserve(keys.size());
    for (const std::string& key : keys)
        rows.push_back(rowFor(key));
    return rows;
}
