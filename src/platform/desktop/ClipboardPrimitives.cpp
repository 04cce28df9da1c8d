#include "platform/desktop/desktopPrimitives.h"

#include "mainobj/primitiveTable.h"
#include "mainobj/tClipboard.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/tLogoList.h"
#include "values/valuePools.h"

// What the clipboard holds, as words: "text", "image", "project" (the empty list when empty).

namespace {

tlogoobject* clipboardFormats(tPrimitiveCall&)
{
    tListBuilder formats;
    for (const std::string& format : clipboard().Formats()) formats.Append(NewLiteralWord(format));
    return formats.Take();
}

constexpr tPrimitiveRow kClipboardRows[] = {
    {"clipboard", 0, kFixedInputs, &clipboardFormats},
};

}  // namespace

void registerClipboardPrimitives(tLogoTab& table) { registerPrimitives(table, kClipboardRows); }
