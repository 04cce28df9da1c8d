#include <gtest/gtest.h>

#include <vector>

#include "mainobj/system/dialogStyles.h"

// The low four bits of a style choose the buttons, the next four the icon; what is left over
// and what the convention does not name gives OK and no icon.
TEST(DialogStyle, BitsChooseButtonsEscapeAndIcon)
{
    struct tCase {
        int32_t style;
        std::vector<int> buttons;
        int escape;
        tDialogIcon icon;
    };
    const tCase cases[] = {
        {0, {1}, 1, tDialogIcon::kNone},
        {1, {1, 2}, 2, tDialogIcon::kNone},
        {2, {3, 4, 5}, 3, tDialogIcon::kNone},
        {3, {6, 7, 2}, 2, tDialogIcon::kNone},
        {4, {6, 7}, 7, tDialogIcon::kNone},
        {5, {4, 2}, 2, tDialogIcon::kNone},
        {6, {1}, 1, tDialogIcon::kNone},
        {15, {1}, 1, tDialogIcon::kNone},
        {16, {1}, 1, tDialogIcon::kStop},
        {kDefaultDialogStyle, {6, 7}, 7, tDialogIcon::kQuestion},
        {0x33, {6, 7, 2}, 2, tDialogIcon::kWarning},
        {0x41, {1, 2}, 2, tDialogIcon::kInformation},
        {0x50, {1}, 1, tDialogIcon::kNone},
        {0x124, {6, 7}, 7, tDialogIcon::kQuestion},  // higher bits (modality, default button) ignored
        {-1, {1}, 1, tDialogIcon::kNone},
    };
    for (const tCase& c : cases) {
        const tDialogStyle got = dialogStyle(c.style);
        EXPECT_EQ(got.buttons, c.buttons) << "style " << c.style;
        EXPECT_EQ(got.escapeCode, c.escape) << "style " << c.style;
        EXPECT_EQ(got.icon, c.icon) << "style " << c.style;
    }
}
