#include "mainobj/system/systemPrimitives.h"

#include <optional>
#include <string>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/dialogFront.h"
#include "mainobj/system/dialogStyles.h"
#include "mainobj/system/textDialogs.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/LogoReader.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// "dialogbox", "messagebox", "readlistdialog" and "readworddialog": a message or a line of
// input, in the window's dialogs, or through the console when there is no window.

namespace {

void checkInputCount(const tPrimitiveCall& call, int least, int most)
{
    if (call.count() < least) throw eLogoException(erNotEnoughInputs);
    if (call.count() > most) throw eLogoException(erTooManyInputs);
}

std::string textOf(const tPrimitiveCall& call, int i, const std::string& missing)
{
    return i < call.count() ? call[i]->PrintText(0) : missing;
}

std::string defaultCaption() { return uiString("strings", "ZembrixCaption"); }

// The buttons carry the interface texts of the platform's standard dialogs.
tMessageRequest messageRequest(std::string text, std::string caption, int32_t style)
{
    const tDialogStyle chosen = dialogStyle(style);
    tMessageRequest request{std::move(text), std::move(caption), {}, chosen.escapeCode, chosen.icon};
    for (int code : chosen.buttons) request.buttons.push_back({code, uiString("$common", std::to_string(code))});
    return request;
}

tlogoobject* dialogbox(tPrimitiveCall& call)
{
    checkInputCount(call, 1, 3);
    const int32_t style = call.count() > 2 ? call.integer(2) : kDefaultDialogStyle;
    tMessageRequest request = messageRequest(textOf(call, 0, ""), textOf(call, 1, ""), style);
    if (std::shared_ptr<tDialogFront> front = dialogFront()) {
        const tDialogAnswer answer = awaitDialog(front, &tDialogFront::ShowMessage, request);
        return NewInteger(answer.cancelled ? request.escapeCode : answer.code);
    }
    return NewInteger(askTextButton(request));
}

tlogoobject* messagebox(tPrimitiveCall& call)
{
    checkInputCount(call, 1, 3);
    tMessageRequest request = messageRequest(textOf(call, 0, ""), textOf(call, 1, defaultCaption()), 0);
    if (std::shared_ptr<tDialogFront> front = dialogFront())
        awaitDialog(front, &tDialogFront::ShowMessage, request);
    else
        showTextMessage(request);
    return nullptr;
}

// The line the learner typed; none when the dialog was cancelled. The third input is not used.
std::optional<std::string> readLineDialog(const tPrimitiveCall& call)
{
    checkInputCount(call, 0, 4);
    const tLineRequest request{textOf(call, 0, ""), textOf(call, 1, defaultCaption()), textOf(call, 3, ""),
                               uiString("$common", "1"), uiString("$common", "2")};
    std::shared_ptr<tDialogFront> front = dialogFront();
    if (!front) return askTextLine(request);
    const tDialogAnswer answer = awaitDialog(front, &tDialogFront::ShowLineInput, request);
    if (answer.cancelled) return std::nullopt;
    return answer.text;
}

tlogoobject* readlistdialog(tPrimitiveCall& call)
{
    const std::optional<std::string> line = readLineDialog(call);
    return line ? static_cast<tlogoobject*>(ListFromText(*line, false)) : tListBuilder().Take();
}

tlogoobject* readworddialog(tPrimitiveCall& call)
{
    const std::optional<std::string> line = readLineDialog(call);
    return line ? static_cast<tlogoobject*>(NewLiteralWord(*line)) : tListBuilder().Take();
}

constexpr tPrimitiveRow kDialogRows[] = {
    {"dialogbox", 1, kVariableInputs, &dialogbox},
    {"messagebox", 1, kVariableInputs, &messagebox},
    {"readlistdialog", 0, kVariableInputs, &readlistdialog},
    {"readworddialog", 0, kVariableInputs, &readworddialog},
};

}  // namespace

void registerDialogPrimitives(tLogoTab& table) { registerPrimitives(table, kDialogRows); }
