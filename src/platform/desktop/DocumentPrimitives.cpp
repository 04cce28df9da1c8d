#include "platform/desktop/desktopPrimitives.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <filesystem>

#include "mainobj/primitiveTable.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tPrimitiveCall.h"
#include "platform/desktop/desktopText.h"
#include "platform/desktop/tDesktopLauncher.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tlogoobject.h"

// Programs started, documents and addresses opened with the desktop's programs. Nothing goes
// through a shell: a command line given as a word is split at blanks, double quotes keeping
// blanks inside an argument, and no character is special beyond that.

namespace {

std::vector<std::string> commandWords(tlogoobject* command)
{
    std::vector<std::string> words;
    if (command->IsList()) {
        for (tlogoobject* element : elements(static_cast<tLogoList*>(command))) words.push_back(element->PrintText(0));
        return words;
    }
    for (const QString& word : QProcess::splitCommand(unicodeFromWord(command->PrintText(0))))
        words.push_back(wordFromUnicode(word));
    return words;
}

// (runprogram command argument ...): further inputs are further arguments.
tlogoobject* runprogram(tPrimitiveCall& call)
{
    std::vector<std::string> words = commandWords(call[0]);
    for (int i = 1; i < call.count(); ++i) words.push_back(call[i]->PrintText(0));
    if (words.empty() || words.front().empty()) throw eLogoException(erOpenDoc, call[0]);
    const std::string program = words.front();
    words.erase(words.begin());
    if (!desktopLauncher().StartProgram(program, words, workFolder())) throw eLogoException(erOpenDoc, program);
    return nullptr;
}

// A scheme of one letter would be a drive, and names without one are files.
bool isAddress(const QString& name)
{
    const QUrl url(name);
    return url.isValid() && url.scheme().size() > 1;
}

std::string fileAddress(const std::string& path)
{
    const QUrl url = QUrl::fromLocalFile(QFileInfo(unicodeFromWord(path)).absoluteFilePath());
    return url.toString(QUrl::FullyEncoded).toStdString();
}

// An existing file, looked for where projects are (the work folder first), or an address.
std::string documentAddress(const std::string& name)
{
    if (isAddress(unicodeFromWord(name))) return name;
    const std::string path = resolveFileName(name, fkProject, {.search = true, .keepName = true});
    std::error_code failure;
    if (namesClipboard(name) || !std::filesystem::is_regular_file(path, failure)) throw eLogoException(erOpenDoc, name);
    return fileAddress(path);
}

// An address; a name without a scheme is a file when one exists by that name, else a web address.
std::string browsedAddress(const std::string& name)
{
    const QString text = unicodeFromWord(name);
    if (isAddress(text)) return name;
    const std::string path = resolveFileName(name, fkProject, {.search = true, .keepName = true});
    std::error_code failure;
    if (!namesClipboard(name) && std::filesystem::exists(path, failure)) return fileAddress(path);
    const QUrl url = QUrl::fromUserInput(text);
    if (!url.isValid() || url.isLocalFile()) throw eLogoException(erOpenDoc, name);
    return url.toString(QUrl::FullyEncoded).toStdString();
}

void open(tPrimitiveCall& call, std::string (*address)(const std::string&))
{
    if (call.count() > 1) throw eLogoException(erTooManyInputs);
    const std::string name = call[0]->PrintText(0);
    if (name.empty()) throw eLogoException(erOpenDoc, call[0]);
    if (!desktopLauncher().OpenAddress(address(name))) throw eLogoException(erOpenDoc, name);
}

tlogoobject* showdocument(tPrimitiveCall& call)
{
    open(call, &documentAddress);
    return nullptr;
}

tlogoobject* browseDocument(tPrimitiveCall& call)
{
    open(call, &browsedAddress);
    return nullptr;
}

constexpr tPrimitiveRow kDocumentRows[] = {
    {"runprogram", 1, kVariableInputs, &runprogram},
    {"showdocument", 1, kVariableInputs, &showdocument},
    {"browseDocument", 1, kVariableInputs, &browseDocument},
};

}  // namespace

void registerDocumentPrimitives(tLogoTab& table) { registerPrimitives(table, kDocumentRows); }
