#include "language/BuiltinResources.h"
#include "language/DictionaryCoding.h"
#include "language/InterfaceChoice.h"
#include "language/InterfaceText.h"
#include "language/Language.h"
#include "language/TDTables.h"

#include <gtest/gtest.h>

namespace {

TEST(BuiltinDictionaries, EveryResourceDecodesToSections)
{
    ASSERT_FALSE(findBuiltinResource(kLanguageResourceType, "english").empty());
    ASSERT_FALSE(findBuiltinResource(kInterfaceResourceType, "ENGLISH").empty());
    for (const tBuiltinResource& resource : builtinResources()) {
        const std::span<const uint8_t> bytes(resource.bytes, resource.size);
        if (resource.type == kLanguageResourceType) {
            EXPECT_FALSE(TDTables::Parse(decodeDictionaryText(bytes)).Empty()) << resource.name;
        } else {
            const tInterfaceText text = decodeInterfaceBlock(bytes);
            EXPECT_EQ(text.name, resource.name);
            EXPECT_FALSE(TDTables::Parse(text.text).Empty()) << resource.name;
        }
    }
}

TEST(BuiltinDictionaries, EnglishIsLoadedOnFirstUse)
{
    // A fresh process, so that no other test has chosen a language before.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(currentLanguage() == "english" && !primaryWordOrEmpty("other", "true").empty() ? 0 : 1),
                ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(switchLanguage("*"));
    EXPECT_EQ(currentLanguage(), "english");
    EXPECT_TRUE(switchLanguage(""));
    EXPECT_TRUE(isTrueWord("true"));
    EXPECT_EQ(boolWord(false), "false");
}

TEST(InterfaceDictionary, EnglishIsChosenWithoutEmbeddedParameters)
{
    EXPECT_EQ(interfaceLanguage(), "english");
    EXPECT_FALSE(uiString("errors", "erNotEnoughInputs").empty());
    EXPECT_TRUE(uiFound());
    EXPECT_EQ(uiString("errors", "noSuchErrorKey"), "");
    EXPECT_FALSE(uiFound());
    EXPECT_EQ(uiStringInChain({"noSuchWindow", "errors"}, "erNotEnoughInputs"), uiString("errors", "erNotEnoughInputs"));
    EXPECT_EQ(uiStringInChain({"noSuchWindow"}, "erNotEnoughInputs"), "");
}

TEST(InterfaceDictionary, SlotsByName)
{
    const struct {
        const char* language;
        const char* slot;
    } cases[] = {
        {"English", "english"}, {"GERMAN", "german"}, {"lithuanian", "lithuanian"},
        {"LithuanianNew", "lithuanian"}, {"klingon", "english"}, {"", "english"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(interfaceSlotFor(c.language).name, c.slot) << c.language;
}

TEST(InterfaceDictionary, LineBreaksAndFormatting)
{
    EXPECT_EQ(withLineBreaks("one\xB6two\xB6"), "one\r\ntwo\r\n");
    EXPECT_EQ(formatted("%s of %d is 100%%", {"half", "200"}), "half of 200 is 100%");
    EXPECT_EQ(formatted("%s and %s", {"only"}), "only and ");
    EXPECT_EQ(formatted("50% off %x", {}), "50% off %x");
}

}
