#include "images/projects/webPackage.h"

#include <string_view>

namespace {

constexpr std::string_view kMagic = "ZXK01";

void putLength(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void putEntry(std::vector<uint8_t>& out, std::string_view name, const std::vector<uint8_t>& bytes)
{
    putLength(out, static_cast<uint32_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    putLength(out, static_cast<uint32_t>(bytes.size()));
    out.insert(out.end(), bytes.begin(), bytes.end());
}

class tReader {
public:
    explicit tReader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    bool Length(uint32_t& value)
    {
        if (bytes_.size() - at_ < 4) return false;
        value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(bytes_[at_ + i]) << (8 * i);
        at_ += 4;
        return true;
    }
    bool Bytes(uint32_t count, std::vector<uint8_t>& out)
    {
        if (bytes_.size() - at_ < count) return false;
        out.assign(bytes_.begin() + at_, bytes_.begin() + at_ + count);
        at_ += count;
        return true;
    }
    void Skip(size_t count) { at_ += count; }

private:
    const std::vector<uint8_t>& bytes_;
    size_t at_ = 0;
};

}  // namespace

std::vector<uint8_t> packWebPackage(const tWebPackage& package)
{
    std::vector<uint8_t> out(kMagic.begin(), kMagic.end());
    putLength(out, package.picture.empty() ? 1 : 2);
    putEntry(out, "project", package.project);
    if (!package.picture.empty()) putEntry(out, "picture", package.picture);
    return out;
}

std::optional<tWebPackage> unpackWebPackage(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() < kMagic.size() || std::string_view(reinterpret_cast<const char*>(bytes.data()), kMagic.size()) != kMagic)
        return std::nullopt;
    tReader reader(bytes);
    reader.Skip(kMagic.size());
    uint32_t entries = 0;
    if (!reader.Length(entries)) return std::nullopt;
    tWebPackage package;
    bool hasProject = false;
    for (uint32_t i = 0; i < entries; ++i) {
        uint32_t nameLength = 0;
        std::vector<uint8_t> name;
        uint32_t length = 0;
        std::vector<uint8_t> content;
        if (!reader.Length(nameLength) || !reader.Bytes(nameLength, name) || !reader.Length(length) ||
            !reader.Bytes(length, content))
            return std::nullopt;
        const std::string_view entry(reinterpret_cast<const char*>(name.data()), name.size());
        // Entries of later versions are passed over.
        if (entry == "project") {
            package.project = std::move(content);
            hasProject = true;
        } else if (entry == "picture") {
            package.picture = std::move(content);
        }
    }
    if (!hasProject) return std::nullopt;
    return package;
}
