#include "FixtureLanguage.h"

#include "language/PropertyNameRows.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(PropertyNameRows, NamesSettersAndGettersFromTheDictionary)
{
    useFixtureLanguage();
    const auto rows = buildPropertyNameRows({"pencolour", "nosuchproperty", "forward"});
    ASSERT_EQ(rows.size(), 3u);

    const tPropertyNameRow& pen = rows[0];
    EXPECT_EQ(pen.synonyms, (Words{"pencolour", "pc"}));
    EXPECT_EQ(pen.nameCode, nameCode("PENCOLOUR"));
    EXPECT_EQ(pen.setterCode, nameCode("putpencolournow"));
    EXPECT_EQ(pen.setterNames, (Words{"putpencolournow", "paintpen", "putpcnow"}));
    EXPECT_EQ(pen.getterNames, (Words{"penshade", "pc"}));

    const tPropertyNameRow& missing = rows[1];
    EXPECT_EQ(missing.synonyms, (Words{"nosuchproperty"}));
    EXPECT_EQ(missing.setterNames, (Words{"setnosuchproperty"}));
    EXPECT_EQ(missing.setterCode, nameCode("setnosuchproperty"));
    EXPECT_TRUE(missing.getterNames.empty());

    // The primary word, not the key, names the property.
    EXPECT_EQ(rows[2].nameCode, nameCode("fd"));
    EXPECT_EQ(rows[2].setterNames, (Words{"putfdnow", "putforwardnow"}));
}

}
