#include "mainobj/system/textDialogs.h"

#include "language/Language.h"
#include "processes/interpreterRelease.h"
#include "processes/tCommander.h"
#include "processes/tInterpreterLock.h"
#include "processes/tLogoprocess.h"
#include "values/eTerminateException.h"

namespace {

// One line of input with the interpreter lock given up, as the command runner reads; none at
// the end of input. A process stopped meanwhile ends.
std::optional<std::string> readAnswer(tCommander& commander)
{
    const bool holding = tInterpreterLock::Instance().HeldByCaller();
    if (holding) ReleaseInterpreter(false);
    std::optional<std::string> line;
    try {
        line = commander.ReadLine();
    } catch (const eTerminateException&) {
        // The commander has no more input.
    }
    if (holding) RetakeInterpreter(true);
    return line;
}

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

tCommander& callingCommander()
{
    tLogoprocess* process = tLogoprocess::Current();
    if (process && process->SharedCommander()) return *process->SharedCommander();
    return *defaultCommander();
}

void showTextMessage(tCommander& commander, const tMessageRequest& request) { commander.Print(request.text); }

int askTextButton(tCommander& commander, const tMessageRequest& request)
{
    std::string choices;
    for (const tDialogButton& button : request.buttons)
        choices += (choices.empty() ? "" : ", ") + std::to_string(button.code) + " " + button.label;
    commander.Print(request.text + " (" + choices + ")");
    const std::optional<std::string> line = readAnswer(commander);
    if (!line) return request.escapeCode;
    const std::string answer = trimmed(*line);
    for (const tDialogButton& button : request.buttons)
        if (answer == std::to_string(button.code) || sameWord(answer, button.label)) return button.code;
    return request.escapeCode;
}

std::optional<std::string> askTextLine(tCommander& commander, const tLineRequest& request)
{
    if (!request.prompt.empty()) commander.Print(request.prompt);
    return readAnswer(commander);
}
