#include "FixtureLanguage.h"

#include "language/Language.h"
#include "language/LanguageReporter.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

std::vector<std::string> reported;

void collectReport(std::string_view message)
{
    reported.emplace_back(message);
}

class DictionaryLookups : public ::testing::Test {
protected:
    void SetUp() override
    {
        useFixtureLanguage();
        reported.clear();
        previous = setLanguageReporter(collectReport);
    }
    void TearDown() override { setLanguageReporter(previous); }

    tLanguageReporter previous = nullptr;
};

TEST_F(DictionaryLookups, EntriesFoundUnderLowerCasedSectionAndKey)
{
    EXPECT_EQ(getStr("dict", "forward", true), "fd forward");
    EXPECT_EQ(getStr("Dict", "FORWARD", true), "fd forward");
    EXPECT_EQ(dictWord("back"), "bk back");
    EXPECT_EQ(primaryName("forward"), "fd");
    EXPECT_EQ(primaryWord("colours", "red"), "rouge");
    EXPECT_TRUE(reported.empty());
}

TEST_F(DictionaryLookups, MissingEntriesReportOnlyWhenAsked)
{
    EXPECT_EQ(getStr("dict", "nosuchkey", false), "");
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(dictWord("nosuchkey"), "");
    EXPECT_EQ(getStr("nosection", "k", true), "");
    EXPECT_EQ(reported, (std::vector<std::string>{"Translation Error - Unknown language string: dict-nosuchkey",
                                                  "Translation Error - Unknown language string: nosection-k"}));
}

TEST_F(DictionaryLookups, PrimaryNameFallsBackToTheKeyBetweenAtSigns)
{
    EXPECT_EQ(primaryName("foo"), "@foo@");
    EXPECT_EQ(primaryName("empty"), "@empty@");
    EXPECT_EQ(primaryWord("colours", "blue"), "@blue@");
    EXPECT_EQ(primaryWordOrEmpty("colours", "blue"), "");
    EXPECT_TRUE(reported.empty());
}

TEST_F(DictionaryLookups, TextMessages)
{
    EXPECT_EQ(textMessage("twolines"), "ab\r\ncd");
    EXPECT_EQ(textMessage("greet", {"Ann"}), "Hello Ann!");
    EXPECT_EQ(textMessage("pair", {"A", "B"}), "B then A");
    // An argument that holds a marker is not substituted again.
    EXPECT_EQ(textMessage("pair", {"%s2", "B"}), "B then %s2");
    EXPECT_EQ(textMessage("nomessage"), "@nomessage@");
}

TEST_F(DictionaryLookups, WordsAcceptEverySynonymInAnyCase)
{
    const struct {
        const char* section;
        const char* key;
        const char* word;
        bool expected;
    } cases[] = {
        {"dict", "colour", "COLOR", true},      {"dict", "colour", "colour", true},
        {"dict", "colour", "colours", false},   {"dict", "missing", "@MISSING@", true},
        {"dict", "missing", "missing", false},  {"dict", "forward", "\xB7" "forward", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isWord(c.section, c.key, c.word), c.expected) << c.key << " " << c.word;
}

TEST_F(DictionaryLookups, CachedWords)
{
    EXPECT_TRUE(isTrueWord("YES"));
    EXPECT_TRUE(isTrueWord("true"));
    EXPECT_FALSE(isTrueWord("no"));
    EXPECT_TRUE(isFalseWord("No"));
    EXPECT_EQ(boolWord(true), "yes");
    EXPECT_EQ(boolWord(false), "no");
    EXPECT_EQ(usualPrefix(), "normal'");
    EXPECT_EQ(setterName("width"), "putwidthnow");
}

TEST_F(DictionaryLookups, NeutralNames)
{
    const struct {
        const char* word;
        const char* expected;
    } cases[] = {
        {"\xB7" "forward", "fd"},
        {"\xB7" "FORWARD", "fd"},
        {"\xB7" "forward's", "fd's"},
        {"\xB7" "setpencolour", "putpencolournow"},
        {"\xB7" "SETcolour", "putcolournow"},
        {"\xB7" "colours" "\xB7" "red", "rouge"},
        {"\xB7" "nosuchkey", "\xB7" "nosuchkey"},
        {"\xB7" "setnosuchkey", "\xB7" "setnosuchkey"},
        {"\xB7", "\xB7"},
        {"forward", "forward"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(resolveNeutralName(c.word), c.expected) << c.word;
}

TEST_F(DictionaryLookups, TranslateNeutralWordsInsideAText)
{
    EXPECT_EQ(translateNeutral("\xB7" "forward 10 [\xB7" "back 5]"), "fd 10 [bk 5]");
    EXPECT_EQ(translateNeutral("\xB7" "colours" "\xB7" "red, \xB7" "forward's end"), "rouge, fd's end");
    EXPECT_EQ(translateNeutral("plain \xB7 text \xB7" "unknown"), "plain \xB7 text \xB7" "unknown");
}

TEST_F(DictionaryLookups, AnsiOutputTransliteratesFallbackNamesAndBooleanWords)
{
    setAnsiOutput(true);
    EXPECT_EQ(primaryName("\xE1\x9A" "x"), "@asx@");
    EXPECT_EQ(boolWord(true), "yes");
    setAnsiOutput(false);
    EXPECT_EQ(primaryName("\xE1\x9A" "x"), "@\xE1\x9A" "x@");
}

TEST(LanguageSwitching, FailedSwitchKeepsTheCurrentLanguage)
{
    const std::string fixture = useFixtureLanguage();
    EXPECT_FALSE(switchLanguage("nosuchlanguage"));
    EXPECT_EQ(currentLanguage(), fixture);
    EXPECT_EQ(primaryName("forward"), "fd");
}

TEST(LanguageSwitching, TestOnlyLoadsWithoutSwitching)
{
    const std::string fixture = useFixtureLanguage();
    const std::string other = installFixtureLanguage("zxtestonly", "[dict]\nforward=avance\n");
    EXPECT_TRUE(switchLanguage(other, true));
    EXPECT_EQ(currentLanguage(), fixture);
    EXPECT_EQ(primaryName("forward"), "fd");
    EXPECT_FALSE(switchLanguage("nosuchlanguage", true));
}

TEST(LanguageSwitching, UnusableFilesAreRefused)
{
    useFixtureLanguage();
    EXPECT_FALSE(switchLanguage(installFixtureLanguage("zxnosections", "forward=fd\n"), true));
    EXPECT_FALSE(switchLanguage(installFixtureLanguage("zxemptyfirst", "[aaa]\n[dict]\nforward=fd\n"), true));
}

TEST(LanguageSwitching, SameLanguageInOtherCaseDoesNotReload)
{
    useFixtureLanguage();
    const std::string name = installFixtureLanguage("zxreload", "[dict]\nforward=first\n");
    ASSERT_TRUE(switchLanguage(name));
    installFixtureLanguage("zxreload", "[dict]\nforward=second\n");
    EXPECT_TRUE(switchLanguage("ZXReload" + name.substr(8)));
    EXPECT_EQ(primaryName("forward"), "first");
    useFixtureLanguage();
}

TEST(LanguageSwitching, ListenersRunAfterASwitch)
{
    static std::atomic<int> calls{0};
    static std::string seen;
    onLanguageSwitched([] {
        ++calls;
        seen = primaryName("forward");
    });
    const std::string name = installFixtureLanguage("zxlistened", "[dict]\nforward=avance\n");
    useFixtureLanguage();
    const int before = calls;
    ASSERT_TRUE(switchLanguage(name));
    EXPECT_EQ(calls, before + 1);
    EXPECT_EQ(seen, "avance");
    useFixtureLanguage();
}

}

namespace {

TEST(LanguageReporting, FatalProblemsGoToStandardErrorAndEndTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(reportFatalLanguageProblem("Internal error - Dictionary not initialised in getStr"),
                ::testing::ExitedWithCode(1), "^Internal error - Dictionary not initialised in getStr\n$");
}

TEST(LanguageReporting, AReplacedReporterIsUsedUntilRestored)
{
    useFixtureLanguage();
    reported.clear();
    const tLanguageReporter standard = setLanguageReporter(collectReport);
    getStr("dict", "unknown_one", true);
    EXPECT_EQ(setLanguageReporter(nullptr), collectReport);
    ::testing::internal::CaptureStderr();
    getStr("dict", "unknown_two", true);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Translation Error - Unknown language string: dict-unknown_two\n");
    EXPECT_EQ(reported, (std::vector<std::string>{"Translation Error - Unknown language string: dict-unknown_one"}));
    setLanguageReporter(standard);
}

}
