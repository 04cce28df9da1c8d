#include <gtest/gtest.h>

#include <functional>

#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/tLogoString.h"
#include "valueTestSupport.h"

namespace {

using tMaker = std::function<tlogoobject*()>;

tMaker integer(int32_t v) { return [v] { return new tLogoInt(v); }; }
tMaker real(long double v) { return [v] { return new tLogoReal(v); }; }
tMaker word(const char* t) { return [t] { return new tLogoString(t); }; }
tMaker boolean(bool v) { return [v] { return new tLogoBool(v); }; }

TEST(Comparison, EqualityPerReceiverClass)
{
    struct {
        const char* name;
        tMaker a, b;
        bool equals, exactly;
    } const cases[] = {
        {"ABC = abc", word("ABC"), word("abc"), true, false},
        {"word 3.0 = 3", word("3.0"), integer(3), true, true},
        {"3 = word 3.0", integer(3), word("3.0"), true, true},
        {"3 = 3.0", integer(3), real(3.0L), true, true},
        {"3.5 = word 3.5", real(3.5L), word("3.5"), true, true},
        {"word x1A = 26", word("x1A"), integer(26), true, true},
        {"word 007 = word 7", word("007"), word("7"), true, true},
        {"2147483648 = 2147483648.0", word("2147483648"), real(2147483648.0L), true, true},
        {"true = word true", boolean(true), word("TRUE"), true, true},
        {"true = false", boolean(true), boolean(false), false, false},
        {"true = 1", boolean(true), integer(1), false, false},
        {"word true = true", word("true"), boolean(true), true, true},
        {"3 = word abc", integer(3), word("abc"), false, false},
        {"abc = abd", word("abc"), word("abd"), false, false},
    };
    for (const auto& c : cases) {
        tLogoRef<tlogoobject> a(c.a());
        EXPECT_EQ(a->Equals(c.b()), c.equals) << c.name;
        EXPECT_EQ(a->DiffersFrom(c.b()), !c.equals) << c.name;
        EXPECT_EQ(a->EqualsExactly(c.b()), c.exactly) << c.name;
    }
}

TEST(Comparison, OrderingOfNumbersAndWords)
{
    struct {
        const char* name;
        tMaker a, b;
        bool less, greater;
    } const cases[] = {
        {"a < B", word("a"), word("B"), true, false},
        {"9 < 10 as numbers", word("9"), word("10"), true, false},
        {"2 < 2.5", integer(2), real(2.5L), true, false},
        {"2.5 > 2", real(2.5L), integer(2), false, true},
        {"-1 < 0", integer(-1), integer(0), true, false},
        {"3 vs 3.0", integer(3), real(3.0L), false, false},
        {"10 vs word abc (text order)", integer(10), word("abc"), true, false},
        {"false < true (text order)", boolean(false), boolean(true), true, false},
    };
    for (const auto& c : cases) {
        tLogoRef<tLogoWord> a(static_cast<tLogoWord*>(c.a()));
        EXPECT_EQ(a->Less(c.b()), c.less) << c.name;
        EXPECT_EQ(a->Greater(c.b()), c.greater) << c.name;
        EXPECT_EQ(a->LessOrEqual(c.b()), !c.greater) << c.name;
        EXPECT_EQ(a->GreaterOrEqual(c.b()), !c.less) << c.name;
    }
}

}  // namespace
