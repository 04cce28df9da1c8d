#include "FixtureLanguage.h"

#include "language/Language.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class NameCodes : public ::testing::Test {
protected:
    void SetUp() override { useFixtureLanguage(); }
};

TEST_F(NameCodes, InterningTwiceGivesTheSameCodeInAnyCase)
{
    const NameCode code = nameCode("interned_twice");
    EXPECT_GT(code, 0u);
    EXPECT_LT(code, kObjectNumberCodeBase);
    EXPECT_EQ(nameCode("interned_twice"), code);
    EXPECT_EQ(nameCode("INTERNED_Twice"), code);
    EXPECT_EQ(findCode("Interned_Twice"), code);
    EXPECT_EQ(codeName(code), "interned_twice");
}

TEST_F(NameCodes, CodesAreHandedOutInOrder)
{
    const NameCode first = nameCode("in_order_1");
    EXPECT_EQ(nameCode("in_order_2"), first + 1);
    EXPECT_EQ(nameCode("in_order_1"), first);
    EXPECT_EQ(nameCode("in_order_3"), first + 2);
}

TEST_F(NameCodes, ObjectNumbersAreCodedButNeverStored)
{
    const NameCode before = nameCode("before_object_number");
    EXPECT_EQ(nameCode("#12"), 12 + kObjectNumberCodeBase);
    EXPECT_EQ(findCode("#12"), 12 + kObjectNumberCodeBase);
    EXPECT_EQ(nameCode("#0"), kObjectNumberCodeBase);
    EXPECT_EQ(nameCode("#65535"), 65535 + kObjectNumberCodeBase);
    EXPECT_EQ(codeName(12 + kObjectNumberCodeBase), "#12");
    EXPECT_EQ(nameCode("after_object_number"), before + 1);
}

TEST_F(NameCodes, WordsThatOnlyLookLikeObjectNumbersAreInterned)
{
    for (const char* name : {"#65536", "#1a", "#", "#-1", "# 1"}) {
        const NameCode code = nameCode(name);
        EXPECT_LT(code, kObjectNumberCodeBase) << name;
        EXPECT_EQ(codeName(code), name);
    }
}

TEST_F(NameCodes, UnknownNamesAndCodes)
{
    EXPECT_EQ(findCode("never_interned_anywhere"), 0u);
    EXPECT_EQ(codeName(0), "<Unknown name>");
    EXPECT_EQ(codeName(kObjectNumberCodeBase - 1), "<Unknown name>");
}

TEST_F(NameCodes, NeutralNamesInternAsTheirWord)
{
    EXPECT_EQ(nameCode("\xB7" "forward"), nameCode("fd"));
    EXPECT_EQ(setterCode("width"), nameCode("putwidthnow"));
    EXPECT_EQ(nameCodes("colour"), (std::vector<NameCode>{nameCode("colour"), nameCode("color")}));
    EXPECT_TRUE(nameCodes("nosuchkey").empty());
}

TEST_F(NameCodes, ASwitchStartsAFreshTable)
{
    nameCode("forgotten_after_switch");
    ASSERT_TRUE(switchLanguage(installFixtureLanguage("zxfresh", "[dict]\nforward=fd\n")));
    EXPECT_EQ(findCode("forgotten_after_switch"), 0u);
    EXPECT_EQ(nameCode("first_after_switch"), 1u);
    useFixtureLanguage();
}

TEST_F(NameCodes, ThreadsInterningTogetherAgree)
{
    constexpr int kThreads = 4;
    constexpr int kNames = 500;
    std::vector<std::vector<NameCode>> codes(kThreads, std::vector<NameCode>(kNames));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t, &codes] {
            for (int i = 0; i < kNames; ++i) {
                const int n = (t % 2 == 0) ? i : kNames - 1 - i;
                codes[t][n] = nameCode("shared_" + std::to_string(n));
            }
        });
    for (auto& thread : threads)
        thread.join();
    for (int t = 1; t < kThreads; ++t)
        EXPECT_EQ(codes[t], codes[0]);
    std::vector<NameCode> sorted = codes[0];
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    for (int i = 0; i < kNames; ++i)
        EXPECT_EQ(codeName(codes[0][i]), "shared_" + std::to_string(i));
}

}
