#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "images/projects/webPackage.h"
#include "images/projects/webPage.h"

namespace {

std::vector<uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

TEST(WebPackage, PackedProjectAndPictureComeBack)
{
    tWebPackage package{bytesOf("LGF04 project"), bytesOf("\x89PNG picture")};
    const auto unpacked = unpackWebPackage(packWebPackage(package));
    ASSERT_TRUE(unpacked);
    EXPECT_EQ(unpacked->project, package.project);
    EXPECT_EQ(unpacked->picture, package.picture);
}

TEST(WebPackage, WhatIsNoPackageIsRefused)
{
    const std::vector<uint8_t> whole = packWebPackage({bytesOf("project"), {}});
    std::vector<uint8_t> withoutProject = bytesOf("ZXK01");
    withoutProject.insert(withoutProject.end(), {0, 0, 0, 0});
    const std::vector<std::vector<uint8_t>> refused = {
        bytesOf("LGF04 a project"),
        bytesOf("ZXK"),
        bytesOf("ZXK02 a later version"),
        {whole.begin(), whole.end() - 1},  // the project cut short
        withoutProject,                    // nothing to unpack
    };
    for (const auto& bytes : refused)
        EXPECT_FALSE(unpackWebPackage(bytes)) << std::string(bytes.begin(), bytes.end());
    EXPECT_TRUE(unpackWebPackage(whole));
}

TEST(WebPage, TextIsEscapedAndEveryOtherCharacterIsAReference)
{
    tWebPageContent content;
    content.title = "Tom & \"Jerry\" <caf\xE9 \x80>";
    content.packageFile = "tom.ZXK";
    content.pictureData = "abcd";
    content.width = 20;
    content.height = 10;
    content.charset = "iso-8859-1";
    content.bottomLine = "<p>made at school</p>";
    const std::string page = webPageText(content);
    EXPECT_NE(page.find("<meta charset=\"iso-8859-1\">"), std::string::npos);
    EXPECT_NE(page.find("<title>Tom &amp; &quot;Jerry&quot; &lt;caf&#233; &#8364;&gt;</title>"), std::string::npos);
    EXPECT_NE(page.find("data=\"tom.ZXK\" width=\"20\" height=\"10\""), std::string::npos);
    EXPECT_NE(page.find("src=\"data:image/png;base64,YWJjZA==\""), std::string::npos);
    EXPECT_NE(page.find("<p>made at school</p>\n</body>"), std::string::npos);
    EXPECT_EQ(page.find("<a href=\"\""), std::string::npos);  // no plug-in page, no empty link
}

}  // namespace
