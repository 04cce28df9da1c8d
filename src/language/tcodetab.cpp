#include "language/tcodetab.h"

#include <cstdint>

std::string tcodetab::KeyOf(std::string_view text) const
{
    uint8_t (*map)(uint8_t) = mode == tComparisonMode::folding ? &foldedByte : &upperCaseByte;
    std::string key(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i)
        key[i] = static_cast<char>(map(static_cast<uint8_t>(text[i])));
    return key;
}

const tcoderec* tcodetab::Find(std::string_view text) const
{
    const auto found = byKey.find(KeyOf(text));
    return found == byKey.end() ? nullptr : found->second;
}

const tcoderec& tcodetab::Add(std::string_view text)
{
    const tcoderec& rec = records.emplace_back(tcoderec{HighestCode() + 1, std::string(text)});
    byKey.emplace(KeyOf(text), &rec);
    return rec;
}

const tcoderec* tstringtab::Find(NameCode code) const
{
    if (code == 0 || code > codes.records.size())
        return nullptr;
    return &codes.records[code - 1];
}
