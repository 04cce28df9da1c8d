#include "ListTestSupport.h"

#include <gtest/gtest.h>

#include "language/Language.h"
#include "values/LogoReader.h"
#include "values/errorConst.h"
#include "values/installListOperations.h"
#include "values/strictOption.h"

tLogoRef<tLogoList> listOf(std::string_view text)
{
    tLogoRef<tLogoList> read(ListFromText(text, false));
    return tLogoRef<tLogoList>(static_cast<tLogoList*>(read->first));
}

tLogoRef<tlogoobject> valueOf(std::string_view text)
{
    tLogoRef<tLogoList> read(ListFromText(text, false));
    return tLogoRef<tlogoobject>(read->first);
}

std::string outcome(std::string_view receiver, const ListOperation& operation, std::string_view input,
                    std::string_view second)
{
    tLogoRef<tLogoList> list = listOf(receiver);
    tLogoRef<tlogoobject> argument = input.empty() ? tLogoRef<tlogoobject>() : valueOf(input);
    tLogoRef<tlogoobject> secondArgument = second.empty() ? tLogoRef<tlogoobject>() : valueOf(second);
    try {
        tLogoRef<tlogoobject> result(operation(*list, argument.get(), secondArgument.get()));
        return result->PrintText(1);
    } catch (const eLogoException& e) {
        return std::string("error ") + errorConstName(e.key);
    }
}

void checkCases(const char* name, const ListOperation& operation, std::initializer_list<tListCase> cases)
{
    for (const tListCase& c : cases)
        EXPECT_EQ(outcome(c.receiver, operation, c.input, c.second), c.expected)
            << name << " of " << c.receiver << " with " << c.input << " " << c.second;
}

tStrictLevel::tStrictLevel(int level) : saved(strictLevel()) { setStrictLevel(level); }
tStrictLevel::~tStrictLevel() { setStrictLevel(saved); }

void setUpListLayer()
{
    static const bool done = [] {
        switchLanguage("");
        installListOperations();
        return true;
    }();
    (void)done;
}
