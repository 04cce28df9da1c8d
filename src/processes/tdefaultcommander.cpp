#include "processes/tdefaultcommander.h"

#include "interpreter/ErrorMessages.h"
#include "language/Language.h"
#include "processes/tWindowThread.h"
#include "values/eLogoException.h"

void tdefaultcommander::ShowError(const std::exception& error)
{
    const std::string plainCaption = uiString("ErrorCaptions", "Error");
    if (auto* logoError = dynamic_cast<const eLogoException*>(&error)) {
        eLogoException shown(*logoError);  // formatting fills the copy, not the caller's error
        std::string text = MessageWithBreak(shown, "\n\n");
        Show(ContextCaption(shown, plainCaption), text);
    } else {
        Show(plainCaption, error.what());
    }
}

void tdefaultcommander::Print(const std::string& text)
{
    Show(uiString("ErrorCaptions", "print"), text);
}

std::string tdefaultcommander::ReadLine()
{
    throw eLogoException(erNoTextInput);
}

void tdefaultcommander::Show(const std::string& caption, const std::string& text)
{
    RunOnWindowThread([&] { messageBox(caption, text); });
}
