#include "mainobj/startup/tstartingcommander.h"

#include "interpreter/ErrorMessages.h"
#include "values/eLogoException.h"

void tstartingcommander::ShowError(const std::exception& error)
{
    std::string text;
    if (auto* logoError = dynamic_cast<const eLogoException*>(&error)) {
        eLogoException shown(*logoError);  // formatting fills the copy, not the raiser's error
        text = MessageWithBreak(shown, "\n\n");
        if (!shown.procedureName.empty())
            text = shown.procedureName + ": " + text;
    } else {
        text = error.what();
    }
    std::lock_guard<std::mutex> hold(guard);
    errorText = std::move(text);
}

void tstartingcommander::Print(const std::string& text)
{
    if (others)
        others->Print(text);
}

std::string tstartingcommander::ReadLine()
{
    if (!others)
        throw eLogoException(erNoTextInput);
    return others->ReadLine();
}

void tstartingcommander::Abort()
{
    if (others)
        others->Abort();
}

std::string tstartingcommander::ErrorText() const
{
    std::lock_guard<std::mutex> hold(guard);
    return errorText;
}
