#include "language/DictionaryCoding.h"
#include "language/tMemoryStream.h"
#include "language/tObjStream.h"
#include "language/tcodedstream.h"
#include "language/texecodedstream.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

std::vector<uint8_t> sampleBytes(size_t n)
{
    std::vector<uint8_t> bytes(n);
    uint32_t x = 12345;
    for (auto& b : bytes) {
        x = x * 1103515245u + 12345u;
        b = static_cast<uint8_t>(x >> 16);
    }
    return bytes;
}

std::vector<uint8_t> readBytes(tStream& stream, size_t n)
{
    std::vector<uint8_t> bytes(n);
    EXPECT_EQ(stream.Read(bytes.data(), static_cast<int64_t>(n)), static_cast<int64_t>(n));
    return bytes;
}

std::vector<uint8_t> execoded(const std::vector<uint8_t>& plain, uint32_t key)
{
    tMemoryStream out;
    texecodedstream coded(out, key);
    coded.WriteExact(plain.data(), static_cast<int64_t>(plain.size()));
    return out.Bytes();
}

TEST(AdditiveChainingFilter, RoundTripWithTheSeedStoredFirst)
{
    std::vector<uint8_t> plain(256);
    std::iota(plain.begin(), plain.end(), 0);
    tMemoryStream stored;
    {
        tcodedstream writer(stored, tcodedstream::writing);
        writer.WriteExact(plain.data(), 100);
        writer.WriteExact(plain.data() + 100, 156);
    }
    const auto& bytes = stored.Bytes();
    ASSERT_EQ(bytes.size(), 257u);
    const uint8_t seed = bytes[0];
    EXPECT_EQ(bytes[1], static_cast<uint8_t>(plain[0] + seed));
    EXPECT_EQ(bytes[2], static_cast<uint8_t>(plain[1] + seed + bytes[1]));

    stored.Seek(0, tSeekOrigin::begin);
    tcodedstream reader(stored, tcodedstream::reading);
    std::vector<uint8_t> back = readBytes(reader, 10);
    const std::vector<uint8_t> rest = readBytes(reader, 246);
    back.insert(back.end(), rest.begin(), rest.end());
    EXPECT_EQ(back, plain);
}

TEST(AdditiveChainingFilter, OtherModesHaveNoSeed)
{
    tMemoryStream stored;
    tcodedstream writer(stored, 2);
    writer.WriteExact("AB", 2);
    EXPECT_EQ(stored.Bytes(), (std::vector<uint8_t>{'A', uint8_t('B' + 'A')}));
}

TEST(AdditiveChainingFilter, FailuresOfTheUnderlyingStreamGiveMinusOne)
{
    const uint8_t bytes[] = {1, 2, 3};
    tMemoryViewStream readOnly(bytes);
    tcodedstream writer(readOnly, 2);
    EXPECT_EQ(writer.Write("x", 1), -1);
    tcodedstream reader(readOnly, tcodedstream::reading);
    char out[2];
    EXPECT_EQ(reader.Read(out, -1), -1);
}

TEST(AdditiveChainingFilter, DictionaryTextAndInterfaceBlocks)
{
    const std::string text = "[dict]\r\nforward=fd forward\r\n\xB6\xE9";
    EXPECT_EQ(decodeDictionaryText(encodeDictionaryText(text)), text);
    const std::vector<uint8_t> block = encodeInterfaceBlock("slovenian", text);
    const tInterfaceText decoded = decodeInterfaceBlock(block);
    EXPECT_EQ(decoded.name, "slovenian");
    EXPECT_EQ(decoded.text, text);
    const std::vector<uint8_t> cut(block.begin(), block.end() - 1);
    EXPECT_THROW(tObjStream{cut}, eStreamError);
}

TEST(KeyedFilter, KeystreamFromTheKey)
{
    // Coding zero bytes shows the key bytes: the state's bytes from the lowest up,
    // the state stepping after every byte.
    const uint32_t key = 0x01020304;
    const std::vector<uint8_t> coded = execoded(std::vector<uint8_t>(6, 0), key);
    uint32_t state = key * 7919u;
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(coded[i], static_cast<uint8_t>(state >> (8 * (i % 4)))) << i;
        state = state * 541u + 3571u;
    }
}

TEST(KeyedFilter, SeekingGivesTheSameBytesAsReadingOnFromTheStart)
{
    const std::vector<uint8_t> plain = sampleBytes(5000);
    tMemoryStream stored(execoded(plain, 0xCAFEF00D));

    texecodedstream sequential(stored, 0xCAFEF00D);
    EXPECT_EQ(readBytes(sequential, 5000), plain);

    texecodedstream seeking(stored, 0xCAFEF00D);
    const struct {
        int64_t position;
        size_t length;
    } visits[] = {{1000, 500}, {3001, 7}, {1000, 500}, {1002, 3}, {0, 16}, {4999, 1}, {2, 5},
                  {1001, 10}, {1500, 3}, {1005, 2}, {3003, 9}};
    for (const auto& visit : visits) {
        ASSERT_EQ(seeking.Seek(visit.position, tSeekOrigin::begin), visit.position);
        EXPECT_EQ(readBytes(seeking, visit.length),
                  std::vector<uint8_t>(plain.begin() + visit.position, plain.begin() + visit.position + visit.length))
            << visit.position;
    }
    EXPECT_EQ(seeking.Seek(-10, tSeekOrigin::end), 4990);
    EXPECT_EQ(readBytes(seeking, 10), std::vector<uint8_t>(plain.end() - 10, plain.end()));
    EXPECT_EQ(seeking.Seek(6000, tSeekOrigin::begin), -1);
}

TEST(KeyedFilter, OverwritingInTheMiddleKeepsTheKeystream)
{
    std::vector<uint8_t> plain = sampleBytes(800);
    tMemoryStream stored(execoded(plain, 7));
    {
        texecodedstream writer(stored, 7);
        writer.Seek(300, tSeekOrigin::begin);
        const std::vector<uint8_t> patch(10, 0xAA);
        writer.WriteExact(patch.data(), 10);
        std::fill(plain.begin() + 300, plain.begin() + 310, 0xAA);
    }
    stored.Seek(0, tSeekOrigin::begin);
    texecodedstream reader(stored, 7);
    EXPECT_EQ(readBytes(reader, 800), plain);
}

TEST(KeyedFilter, SeekAndResetStartsAFreshKeystream)
{
    const std::vector<uint8_t> first = sampleBytes(100);
    const std::vector<uint8_t> second = sampleBytes(50);
    std::vector<uint8_t> bytes = execoded(first, 99);
    const std::vector<uint8_t> tail = execoded(second, 99);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    tMemoryStream stored(bytes);

    texecodedstream reader(stored, 99);
    ASSERT_EQ(reader.SeekAndReset(100, tSeekOrigin::begin), 100);
    EXPECT_EQ(readBytes(reader, 20), std::vector<uint8_t>(second.begin(), second.begin() + 20));
    reader.Seek(110, tSeekOrigin::begin);
    EXPECT_EQ(readBytes(reader, 5), std::vector<uint8_t>(second.begin() + 10, second.begin() + 15));
    // Before the restart the keystream is the one counted from 0.
    reader.Seek(10, tSeekOrigin::begin);
    EXPECT_EQ(readBytes(reader, 10), std::vector<uint8_t>(first.begin() + 10, first.begin() + 20));
}

}
