#include "interpreter/ErrorMessages.h"

#include <iterator>

#include "interpreter/objectResolution.h"
#include "language/Language.h"
#include "values/eLogoException.h"

namespace {

const char* const kContextKeys[] = {
    "ipNone",      "ipProc",     "ipEvent",   "ipMenu",  "ipMCINotify", "ipVoiceMenu", "ipKeyMenu",
    "ipNetworkRun", "ipInitialLoad", "ipINILoad", "ipLaunch", "ipForever",  "ipTreeAction", "ipEvery",
    "ipAfter",     "ipAutoDrag", "ipClearClick", "ipStartup", "ipCleaning", "ipCode",     "ipLoadFile",
};

std::string culpritText(const eLogoException& error, int mode)
{
    if (error.culprit) {
        try {
            return error.culprit->PrintText(mode);
        } catch (...) {
            return "????";
        }
    }
    if (error.culpritName) return codeName(error.culpritName);
    return "<nil>";
}

std::string procedureText(const eLogoException& error)
{
    const tObjectResolution& objects = objectResolution();
    bool showOwner = error.owner && objects.objectName &&
                     !(objects.isCurrentWindow && objects.isCurrentWindow(error.owner));
    if (!showOwner) return error.procedureName;
    return objects.objectName(error.owner) + "'" + error.procedureName;
}

}  // namespace

std::string FillPlaceholders(std::string_view pattern, const eLogoException& error)
{
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '#' || i + 1 == pattern.size()) {
            text += pattern[i];
            continue;
        }
        char code = pattern[++i];
        switch (code) {
        case 'F': text += error.fileText; break;
        case 'H': text += culpritText(error, 1); break;
        case 'c':
        case 'h': text += culpritText(error, 0); break;
        case 'L': text += std::to_string(error.line); break;
        case 'P': text += procedureText(error); break;
        case 'a': text += std::to_string(error.lowerBound); break;
        case 'b': text += std::to_string(error.upperBound); break;
        case 'p': text += error.needingProcedure; break;
        default:
            text += '#';
            text += code;
            break;
        }
    }
    return text;
}

void FormatMessage(eLogoException& error)
{
    if (error.formatted) return;
    error.message = FillPlaceholders(error.message, error);
    error.formatted = 1;
}

std::string ContextCaption(const eLogoException& error, std::string_view baseCaption)
{
    if (error.contextKind == ipNone) return FillPlaceholders(baseCaption, error);
    if (error.contextKind >= std::size(kContextKeys)) return FillPlaceholders(uiString("ErrorCaptions", "Error"), error);
    const char* key = error.contextKind == ipProc && error.line < 0 ? "errorinproc" : kContextKeys[error.contextKind];
    return FillPlaceholders(uiString("ErrorCaptions", key), error);
}

std::string MessageWithBreak(eLogoException& error, std::string_view separator)
{
    FormatMessage(error);
    std::string text = error.message;
    size_t lineBreak = text.find("\r\n");
    if (lineBreak != std::string::npos) text.replace(lineBreak, 2, separator);
    return text;
}

std::string ErrorReportText(const std::exception& error)
{
    auto* logoError = dynamic_cast<const eLogoException*>(&error);
    if (!logoError) return error.what();
    eLogoException shown = *logoError;
    std::string text = MessageWithBreak(shown, "\n");
    if (shown.contextKind != ipNone) text = ContextCaption(shown, "") + "\n" + text;
    return text;
}
