#include "mainobj/system/textDialogs.h"

#include "language/Language.h"
#include "processes/interpreterRelease.h"
#include "processes/tCommander.h"
#include "processes/tInterpreterLock.h"
#include "processes/tLogoprocess.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"

namespace {

// One line of input with the interpreter lock given up, as the command runner reads; none when
// there is no line to read. A process stopped meanwhile ends.
std::optional<std::string> readAnswer(tCommander* commander)
{
    if (!commander) return std::nullopt;
    const bool holding = tInterpreterLock::Instance().HeldByCaller();
    if (holding) ReleaseInterpreter(false);
    std::optional<std::string> line;
    try {
        line = commander->ReadLine();
    } catch (const eTerminateException&) {
        // The commander has no more input.
    } catch (const eLogoException& failure) {
        if (failure.key != erNoTextInput) {
            if (holding) RetakeInterpreter(false);
            throw;
        }
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

// The commander of the calling process, or the default one; none when there is neither.
std::shared_ptr<tCommander> callingCommander()
{
    tLogoprocess* process = tLogoprocess::Current();
    if (process && process->SharedCommander()) return process->SharedCommander();
    return defaultCommander();
}

void print(tCommander* commander, const std::string& text)
{
    if (commander) commander->Print(text);
}

}  // namespace

void showTextMessage(const tMessageRequest& request) { print(callingCommander().get(), request.text); }

int askTextButton(const tMessageRequest& request)
{
    const std::shared_ptr<tCommander> commander = callingCommander();
    std::string choices;
    for (const tDialogButton& button : request.buttons)
        choices += (choices.empty() ? "" : ", ") + std::to_string(button.code) + " " + button.label;
    print(commander.get(), request.text + " (" + choices + ")");
    const std::optional<std::string> line = readAnswer(commander.get());
    if (!line) return request.escapeCode;
    const std::string answer = trimmed(*line);
    for (const tDialogButton& button : request.buttons)
        if (answer == std::to_string(button.code) || sameWord(answer, button.label)) return button.code;
    return request.escapeCode;
}

std::optional<std::string> askTextLine(const tLineRequest& request)
{
    const std::shared_ptr<tCommander> commander = callingCommander();
    if (!request.prompt.empty()) print(commander.get(), request.prompt);
    return readAnswer(commander.get());
}
