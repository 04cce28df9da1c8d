#include "language/tcodetab.h"

#include <algorithm>

const tcoderec* tcodetab::Find(std::string_view text) const
{
    const auto it = std::lower_bound(byText.begin(), byText.end(), text, [this](const tcoderec* rec, std::string_view t) {
        return compareWordsIn(mode, rec->text, t) < 0;
    });
    return it != byText.end() && compareWordsIn(mode, (*it)->text, text) == 0 ? *it : nullptr;
}

const tcoderec& tcodetab::Add(std::string_view text)
{
    const tcoderec& rec = records.emplace_back(tcoderec{HighestCode() + 1, std::string(text)});
    const auto at = std::upper_bound(byText.begin(), byText.end(), text, [this](std::string_view t, const tcoderec* r) {
        return compareWordsIn(mode, t, r->text) < 0;
    });
    byText.insert(at, &rec);
    return rec;
}

const tcoderec* tstringtab::Find(NameCode code) const
{
    if (code == 0 || code > codes.records.size())
        return nullptr;
    return &codes.records[code - 1];
}
