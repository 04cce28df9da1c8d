#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"
#include "values/wordPieces.h"
#include "valueTestSupport.h"

namespace {

using tWordRef = tLogoRef<tlogoobject>;

tWordRef joined(std::initializer_list<tlogoobject*> words) { return tWordRef(JoinWords(words)); }

tLogoString* asString(const tWordRef& word) { return dynamic_cast<tLogoString*>(word.get()); }

const std::string kLong(kPooledWordLength + 6, 'a');

// Words grown from and cut out of one another against the same operations on std::string:
// whatever buffer the words come to share, every word keeps its own text.
TEST(SharedWordText, WordsGrownAndCutKeepTheirTexts)
{
    std::mt19937 random(7);
    std::vector<std::pair<tWordRef, std::string>> words;
    words.emplace_back(tWordRef(new tLogoString(kLong)), kLong);
    words.emplace_back(tWordRef(new tLogoString("xyz")), "xyz");
    for (int step = 0; step < 3000; ++step) {
        auto& [word, text] = words[random() % words.size()];
        auto& [other, otherText] = words[random() % words.size()];
        tWordRef result;
        std::string expected;
        switch (random() % 5) {
        case 0:
        case 1:
            result = joined({word.get(), other.get()});
            expected = text + otherText;
            break;
        case 2:
            if (text.empty()) continue;
            result = static_cast<tLogoWord*>(word.get())->ButFirst();
            expected = text.substr(1);
            break;
        case 3:
            if (text.empty()) continue;
            result = static_cast<tLogoWord*>(word.get())->ButLast();
            expected = text.substr(0, text.size() - 1);
            break;
        default:
            result = joined({word.get(), word.get(), other.get()});
            expected = text + text + otherText;
            break;
        }
        if (expected.size() > 5000) continue;
        words.emplace_back(result, expected);
    }
    for (auto& [word, text] : words) {
        ASSERT_EQ(std::string(word->WordView()), text);
        ASSERT_EQ(word->WordText(), text);
        ASSERT_EQ(static_cast<tLogoWord*>(word.get())->Count(), static_cast<int32_t>(text.size()));
    }
}

// The two paths that must not copy: growing the word at its buffer's end and cutting a long word.
TEST(SharedWordText, GrowingAndCuttingShareTheBuffer)
{
    tWordRef base = joined({tWordRef(new tLogoString(kLong)).get(), tWordRef(NewLiteralWord("b")).get()});
    tWordRef grown = joined({base.get(), tWordRef(NewInteger(7)).get()});
    tWordRef grownAgain = joined({grown.get(), tWordRef(NewLiteralWord("c")).get()});
    ASSERT_NE(asString(grown), nullptr);
    EXPECT_EQ(asString(grownAgain)->SharedBuffer(), asString(grown)->SharedBuffer());
    EXPECT_EQ(grownAgain->WordText(), kLong + "b7c");

    // The base no longer ends the buffer: growing it again copies, and nothing else changes.
    tWordRef branch = joined({grown.get(), tWordRef(NewLiteralWord("d")).get()});
    EXPECT_NE(asString(branch)->SharedBuffer(), asString(grown)->SharedBuffer());
    EXPECT_EQ(branch->WordText(), kLong + "b7d");
    EXPECT_EQ(grown->WordText(), kLong + "b7");
    EXPECT_EQ(grownAgain->WordText(), kLong + "b7c");

    tWordRef rest = static_cast<tLogoWord*>(grownAgain.get())->ButFirst();
    EXPECT_EQ(asString(rest)->SharedBuffer(), asString(grownAgain)->SharedBuffer());
    EXPECT_EQ(textOf(static_cast<tLogoWord*>(rest.get())->First()), "a");
    tWordRef index(new tLogoInt(static_cast<int32_t>(kLong.size()) + 1));
    EXPECT_EQ(textOf(static_cast<tLogoWord*>(rest.get())->Item(index.get())), "7");
}

TEST(SharedWordText, ReplacedTextLetsGoOfTheBuffer)
{
    tWordRef word = joined({tWordRef(new tLogoString(kLong)).get(), tWordRef(NewLiteralWord("z")).get()});
    tLogoString* text = asString(word);
    text->SetText(text->WordView().substr(3, 4));
    EXPECT_EQ(text->SharedBuffer(), nullptr);
    EXPECT_EQ(word->WordText(), "aaaa");
    EXPECT_EQ(raisedKey([&] { JoinWords({word.get(), tWordRef(new tLogoList).get()}); }), erExpectWord);
}

}  // namespace
