#include <gtest/gtest.h>

#include <string>

#include "ImageFixtures.h"
#include "images/lgfChunks.h"
#include "images/lgfImages.h"
#include "images/lgfText.h"
#include "images/lgfTextFiles.h"
#include "language/StreamKeys.h"
#include "language/tMemoryStream.h"
#include "language/texecodedstream.h"

namespace {

std::string head(const std::vector<uint8_t>& bytes, size_t count)
{
    return {bytes.begin(), bytes.begin() + std::min(count, bytes.size())};
}

std::vector<uint8_t> decoded(const std::vector<uint8_t>& stored)
{
    tMemoryStream plain(stored);
    texecodedstream filter(plain, kProjectKey);
    std::vector<uint8_t> bytes(stored.size());
    filter.ReadExact(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}

std::string textChunk(const std::vector<uint8_t>& bytes, int32_t index)
{
    tMemoryStream stream(bytes);
    return lgfTextChunk(stream, index).value_or("<no container>");
}

std::vector<uint8_t> projectHolding(const std::string& text)
{
    tMemoryStream stream;
    writeLgfProjectEnvelope(stream, text);
    return stream.Bytes();
}

TEST(LgfTextFiles, AProjectEnvelopeIsOneTextChunkBehindTheProjectFilter)
{
    const std::vector<uint8_t> stored = projectHolding("print 42\r\n");
    EXPECT_NE(head(stored, 3), "LGF");
    const std::vector<uint8_t> plain = decoded(stored);
    EXPECT_EQ(head(plain, 5), "LGF04");
    tMemoryStream stream(plain);
    EXPECT_EQ(chunkCount(stream, lpProjectFile), 1);
    EXPECT_EQ(findTextChunk(stream, 0), 10);
    EXPECT_EQ(textChunk(stored, 0), "print 42\r\n");
    EXPECT_EQ(textChunk(stored, 1), "");
}

// An appended chunk is stored as the container is: behind the filter for a project, plainly
// for an image file, whose images stay readable.
TEST(LgfTextFiles, AppendedTextIsAFurtherChunkStoredAsTheContainerIs)
{
    tMemoryStream project(projectHolding("first"));
    ASSERT_TRUE(appendLgfText(project, "second"));
    EXPECT_NE(head(project.Bytes(), 3), "LGF");
    tMemoryStream decodedProject(decoded(project.Bytes()));
    EXPECT_EQ(chunkCount(decodedProject, lpProjectFile), 2);
    EXPECT_EQ(textChunk(project.Bytes(), 0), "first");
    EXPECT_EQ(textChunk(project.Bytes(), 1), "second");

    const tLogoRef<tLogoImage> image = patternImage({2, 1});
    tMemoryStream imageFile;
    appendImageChunk(*image, imageFile, 0);
    EXPECT_EQ(textChunk(imageFile.Bytes(), 0), "");
    ASSERT_TRUE(appendLgfText(imageFile, "about it"));
    EXPECT_EQ(head(imageFile.Bytes(), 5), "LGF04");
    EXPECT_EQ(chunkCount(imageFile, lpImageFile), 2);
    EXPECT_EQ(textChunk(imageFile.Bytes(), 0), "about it");
    tLogoRef<tLogoImage> readBack(new tLogoImage);
    readImageFile(*readBack, imageFile, false, 0);
    EXPECT_TRUE(sameImage(*image, *readBack));
}

TEST(LgfTextFiles, BytesThatAreNoContainerAreLeftAlone)
{
    for (const std::string text : {"", "LG", "plain text\r\n", "LGF99 newer"}) {
        const std::vector<uint8_t> bytes(text.begin(), text.end());
        EXPECT_EQ(textChunk(bytes, 0), "<no container>") << text;
        tMemoryStream stream(bytes);
        EXPECT_FALSE(appendLgfText(stream, "more")) << text;
        EXPECT_EQ(stream.Bytes(), bytes) << text;
    }
}

}  // namespace
