#include "mainobj/system/dialogStyles.h"

namespace {

enum : int { kOk = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7 };

// Closing a dialog without a button counts as Cancel where there is one, else as the button
// that declines (No, Abort), else as the only button.
const tDialogStyle kButtonSets[] = {
    {{kOk}, kOk, tDialogIcon::kNone},
    {{kOk, kCancel}, kCancel, tDialogIcon::kNone},
    {{kAbort, kRetry, kIgnore}, kAbort, tDialogIcon::kNone},
    {{kYes, kNo, kCancel}, kCancel, tDialogIcon::kNone},
    {{kYes, kNo}, kNo, tDialogIcon::kNone},
    {{kRetry, kCancel}, kCancel, tDialogIcon::kNone},
};

const tDialogIcon kIcons[] = {tDialogIcon::kNone, tDialogIcon::kStop, tDialogIcon::kQuestion, tDialogIcon::kWarning,
                              tDialogIcon::kInformation};

}  // namespace

tDialogStyle dialogStyle(int32_t style)
{
    const auto buttons = static_cast<size_t>(style & 0xF);
    const auto icon = static_cast<size_t>((style >> 4) & 0xF);
    tDialogStyle chosen = buttons < std::size(kButtonSets) ? kButtonSets[buttons] : kButtonSets[0];
    chosen.icon = icon < std::size(kIcons) ? kIcons[icon] : tDialogIcon::kNone;
    return chosen;
}
