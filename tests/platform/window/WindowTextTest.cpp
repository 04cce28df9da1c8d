#include <gtest/gtest.h>

#include <QString>

#include "platform/window/windowText.h"

// Words are Windows-1252 bytes; the widgets' Unicode is converted at the boundary.
TEST(WindowText, CodePageCharactersGoBothWaysAndTheRestBecomesAQuestionMark)
{
    struct tCase {
        QString unicode;
        std::string word;
    } cases[] = {
        {QStringLiteral("turtle"), "turtle"},
        {QString::fromUtf8("\xE2\x82\xAC 5"), "\x80 5"},               // the euro sign is 0x80
        {QString::fromUtf8("gr\xC3\xBC\xC3\x9F"), "gr\xFC\xDF"},      // u umlaut, sharp s
        {QString::fromUtf8("\xC4\x85\xE2\x86\x92x"), "??x"},           // a ogonek and an arrow are not in it
        {QString::fromUtf8("\xF0\x9F\x90\xA2"), "?"},                  // one character outside the BMP, one mark
    };
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(toLogoText(c.unicode), c.word);
        if (c.word.find('?') == std::string::npos) EXPECT_EQ(fromLogoText(c.word), c.unicode);
    }
}
