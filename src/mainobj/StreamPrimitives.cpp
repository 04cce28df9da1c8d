#include "mainobj/mainPrimitives.h"

#include <string>

#include "language/Language.h"
#include "mainobj/keyboard/keyboardPrimitives.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tClipboard.h"
#include "mainobj/tClipboardOutput.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "mainobj/textBoxOutput.h"
#include "objects/currentObject.h"
#include "objects/objectNames.h"
#include "values/eLogoException.h"
#include "values/LogoReader.h"
#include "values/tLogoList.h"
#include "values/tLogoBool.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// The print family writes to the main object's output stream, the read family reads its input
// stream; "printto" and "readfrom" choose them.

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string joinedTexts(tPrimitiveCall& call, int mode, const char* separator)
{
    std::string text;
    for (int i = 0; i < call.count(); ++i) {
        if (i > 0) text += separator;
        text += call[i]->PrintText(mode);
    }
    return text;
}

tlogoobject* type(tPrimitiveCall& call)
{
    mainLogoObject().Write(joinedTexts(call, 0, ""));
    return nullptr;
}

tlogoobject* print(tPrimitiveCall& call)
{
    mainLogoObject().Write(joinedTexts(call, 0, " ") + kLineEnd);
    return nullptr;
}

tlogoobject* show(tPrimitiveCall& call)
{
    mainLogoObject().Write(joinedTexts(call, 1, " ") + kLineEnd);
    return nullptr;
}

tlogoobject* printline(tPrimitiveCall& call)
{
    std::string text;
    for (int i = 0; i < call.count(); ++i) {
        if (!call[i]->IsList()) {
            text += call[i]->PrintText(0) + kLineEnd;
            continue;
        }
        for (tlogoobject* element : elements(static_cast<tLogoList*>(call[i])))
            text += element->PrintText(0) + kLineEnd;
    }
    if (!text.empty()) mainLogoObject().Write(text);
    return nullptr;
}

bool closesStream(tlogoobject* input) { return input->IsList() && input->IsEmpty(); }

tlogoobject* printto(tPrimitiveCall& call)
{
    tMainLogoObject& main = mainLogoObject();
    main.SelectOutput(nullptr);
    if (closesStream(call[0])) return nullptr;
    if (namesClipboard(call.word(0)))
        main.SelectOutput(std::make_unique<tClipboardOutput>());
    else
        main.SelectOutput(tStdioOutput::CreateFile(resolveFileName(call.word(0), fkText, {})));
    return nullptr;
}

// The text box is found before anything is closed: a name that is no text box leaves the
// stream selected as it was.
tlogoobject* printtotextbox(tPrimitiveCall& call)
{
    tMainLogoObject& main = mainLogoObject();
    if (closesStream(call[0])) {
        main.SelectOutput(nullptr);
        return nullptr;
    }
    tmultiobject* named = call[0]->IsWord() ? resolveObjectPath(&currentObject(), call[0]->WordText()) : nullptr;
    std::unique_ptr<tTextOutput> output = named ? openTextBoxOutput(*named) : nullptr;
    if (!output) throw eLogoException(erNoTextboxName, call[0]);
    main.SelectOutput(nullptr);
    main.SelectOutput(std::move(output));
    return nullptr;
}

tlogoobject* readfrom(tPrimitiveCall& call)
{
    tMainLogoObject& main = mainLogoObject();
    main.SelectInput(std::nullopt);
    if (closesStream(call[0])) return nullptr;
    if (namesClipboard(call.word(0)))
        main.SelectInput(tTextInput(clipboard().Text()));
    else
        main.SelectInput(tTextInput::FromFile(resolveFileName(call.word(0), fkText, {.search = true})));
    return nullptr;
}

std::string readLine()
{
    std::optional<tTextInput>& input = mainLogoObject().inputStream;
    return input ? input->ReadLine() : std::string();
}

tlogoobject* readlist(tPrimitiveCall&) { return ListFromText(readLine(), false); }

tlogoobject* readword(tPrimitiveCall&) { return NewLiteralWord(readLine()); }

tlogoobject* readchar(tPrimitiveCall&)
{
    std::optional<tTextInput>& input = mainLogoObject().inputStream;
    return NewLiteralWord(input ? input->ReadChar() : waitForKeyCharacter());
}

tlogoobject* eofp(tPrimitiveCall&)
{
    std::optional<tTextInput>& input = mainLogoObject().inputStream;
    return NewBoolean(input && input->AtEnd());
}

constexpr tPrimitiveRow kStreamRows[] = {
    {"type", 1, kVariableInputs | kFullInputs, &type},
    {"print", 1, kVariableInputs | kFullInputs, &print},
    {"show", 1, kVariableInputs | kFullInputs, &show},
    {"printline", 1, kVariableInputs | kFullInputs, &printline},
    {"printto", 1, kFixedInputs, &printto},
    {"printtotextbox", 1, kFixedInputs, &printtotextbox},
    {"readfrom", 1, kFixedInputs, &readfrom},
    {"readlist", 0, kFixedInputs, &readlist},
    {"readword", 0, kFixedInputs, &readword},
    {"readchar", 0, kFixedInputs, &readchar},
    {"eof?", 0, kFixedInputs, &eofp},
};

}  // namespace

void registerStreamPrimitives(tLogoTab& table) { registerPrimitives(table, kStreamRows); }
