#include <gtest/gtest.h>

#include "language/Language.h"
#include "values/eTerminateException.h"
#include "values/ethrow.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "valueTestSupport.h"

namespace {

TEST(LogoErrors, RaisingFormsFillTheirFields)
{
    const eLogoException plain(erDiv0);
    EXPECT_EQ(plain.key, erDiv0);
    EXPECT_EQ(plain.message, uiString("errors", "erDiv0"));
    EXPECT_FALSE(plain.message.empty());

    const eLogoException user("my own message", new tLogoInt(3));
    EXPECT_EQ(user.key, erUser);
    EXPECT_EQ(user.message, "my own message");
    EXPECT_EQ(user.culprit->AsInteger(), 3);

    const eLogoException text(erNoVal, std::string_view("size"));
    EXPECT_EQ(text.culprit->WordText(), "size");
    const eLogoException name(erDoNotKnowHowTo, tCulpritName{nameCode("jump")});
    EXPECT_EQ(codeName(name.culpritName), "jump");
    EXPECT_FALSE(name.culprit);
    const eLogoException needing(erNotEnoughInputs, tNeedingProcedure{nameCode("repeat")});
    EXPECT_EQ(needing.needingProcedure, "repeat");
    const eLogoException bounds(erMinMax, 1, 10, new tLogoInt(11));
    EXPECT_EQ(bounds.lowerBound, 1);
    EXPECT_EQ(bounds.upperBound, 10);

    const eLogoException formatted(erFileProblem, std::vector<std::string>{"a.txt", "7"});
    EXPECT_EQ(formatted.culprit->WordText(), "a.txt");
}

TEST(LogoErrors, TheInnermostContextWins)
{
    eLogoException error(erWhatToDo);
    error.SetNeedingProcedure(nameCode("inner"));
    error.SetNeedingProcedure(nameCode("outer"));
    EXPECT_EQ(error.needingProcedure, "inner");
    error.SetContext(nameCode("square"), nullptr, 3, ipProc);
    error.SetContext(nameCode("main"), nullptr, 9, ipEvent);
    EXPECT_EQ(error.procedureName, "square");
    EXPECT_EQ(error.line, 9);
    EXPECT_EQ(error.contextKind, ipEvent);
    error.AddPosition(4);
    error.AddPosition(2);
    EXPECT_EQ(error.positions, (std::vector<int32_t>{4, 2}));
}

TEST(LogoErrors, TemplatesTakeTheirArgumentsInOrder)
{
    EXPECT_EQ(formatTemplate("%s and %d%%", {"one", "2"}), "one and 2%");
    EXPECT_EQ(formatTemplate("%5.2f|%s", {"x"}), "x|");
    EXPECT_EQ(formatTemplate("ends with %", {}), "ends with %");
}

TEST(NonLocalExits, ThrowCarriesTheLowerCasedTag)
{
    const ethrow thrown(new tLogoString("MyTag"));
    EXPECT_EQ(thrown.tag, "mytag");
    EXPECT_EQ(thrown.key, erNoCatch);
    EXPECT_EQ(thrown.culprit->WordText(), "MyTag");
    EXPECT_EQ(eTerminateException(1).flag, 1);
    EXPECT_EQ(eStopPlayException().flag, 0);
}

}  // namespace
