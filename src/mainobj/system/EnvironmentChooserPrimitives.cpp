#include "mainobj/system/systemPrimitives.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/dialogFront.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// The environment's own choosers: a web address, a pen or fill pattern, a pen width and a demo
// project. The pattern and width choosers offer the numbers "setpenpattern", "setfillpattern"
// and "setpenwidth" take and output the one chosen. Each outputs the empty list when the
// learner cancels, and at once when there is no window to choose in.

namespace {

tlogoobject* cancelled() { return tListBuilder().Take(); }

// The web address typed, starting from the input's text.
tlogoobject* URLchooser(tPrimitiveCall& call)
{
    const tLineRequest request{uiString("strings", "WebAddress"), uiString("strings", "ZembrixCaption"),
                               call[0]->PrintText(0), uiString("$common", "1"), uiString("$common", "2")};
    const tDialogAnswer answer = askIfShown(&tDialogFront::ShowLineInput, request);
    if (answer.cancelled) return cancelled();
    return NewLiteralWord(answer.text);
}

// The numbers first .. first + count - 1, each shown as its text in the section (or as the
// number); the input, when it is one of them, is the one chosen at first.
struct tNumberChoice {
    const char* prompt;   // in "strings"
    const char* section;  // the numbers' texts; none: the numbers themselves
    int32_t first;
    int32_t count;
};

// Pen patterns 0 to 6 and fill patterns 0 to 7; pen widths 1 to 20, the range of "any".
constexpr tNumberChoice kPenPatterns{"PenPattern", "PenPatterns", 0, 7};
constexpr tNumberChoice kFillPatterns{"FillPattern", "FillPatterns", 0, 8};
constexpr tNumberChoice kPenWidths{"PenWidth", nullptr, 1, 20};

tlogoobject* chosenNumber(const tNumberChoice& choice, tlogoobject* current)
{
    tItemsRequest request;
    request.caption = uiString("strings", "ZembrixCaption");
    request.prompt = uiString("strings", choice.prompt);
    for (int32_t number = choice.first; number < choice.first + choice.count; ++number) {
        const std::string text = choice.section ? uiString(choice.section, std::to_string(number)) : std::string();
        request.items.push_back(text.empty() ? std::to_string(number) : text);
    }
    if (current->IsNumber()) {
        const long double given = current->AsReal();
        if (given >= choice.first && given < choice.first + choice.count && given == static_cast<int32_t>(given))
            request.initial = static_cast<int32_t>(given) - choice.first;
    }
    const tDialogAnswer answer = askIfShown(&tDialogFront::ShowItemChooser, request);
    if (answer.cancelled || answer.code < 0 || answer.code >= choice.count) return cancelled();
    return NewInteger(choice.first + answer.code);
}

tlogoobject* linepatternchooser(tPrimitiveCall& call) { return chosenNumber(kPenPatterns, call[0]); }
tlogoobject* fillpatternchooser(tPrimitiveCall& call) { return chosenNumber(kFillPatterns, call[0]); }
tlogoobject* linewidthchooser(tPrimitiveCall& call) { return chosenNumber(kPenWidths, call[0]); }

bool isProjectFile(const std::filesystem::directory_entry& entry)
{
    std::error_code failure;
    if (!entry.is_regular_file(failure)) return false;
    return sameWord(entry.path().extension().string(), ".zxp");
}

// The projects of every demo folder, ordered by name without regard to letter case.
std::vector<std::filesystem::path> demoProjects()
{
    std::vector<std::filesystem::path> projects;
    for (const std::string& entry : searchFolders(fkDemo)) {
        std::string folder;
        if (!expandMarker(entry, folder)) continue;
        std::error_code failure;
        for (const std::filesystem::directory_entry& file : std::filesystem::directory_iterator(folder, failure))
            if (isProjectFile(file)) projects.push_back(file.path());
    }
    std::sort(projects.begin(), projects.end(), [](const std::filesystem::path& a, const std::filesystem::path& b) {
        return compareWords(a.filename().string(), b.filename().string()) < 0;
    });
    return projects;
}

// The chosen project's full name, ready for "load"; erNoDemo when there are none to offer.
tlogoobject* demodialog(tPrimitiveCall&)
{
    if (!dialogFront()) return cancelled();
    const std::vector<std::filesystem::path> projects = demoProjects();
    if (projects.empty()) throw eLogoException(erNoDemo);
    tItemsRequest request;
    request.caption = uiString("DemoForm", "$");
    for (const std::filesystem::path& project : projects) request.items.push_back(project.stem().string());
    const tDialogAnswer answer = askIfShown(&tDialogFront::ShowItemChooser, request);
    if (answer.cancelled || answer.code < 0 || answer.code >= static_cast<int>(projects.size())) return cancelled();
    return NewLiteralWord(projects[static_cast<size_t>(answer.code)].string());
}

constexpr tPrimitiveRow kEnvironmentChooserRows[] = {
    {"URLchooser", 1, kFixedInputs, &URLchooser},
    {"linepatternchooser", 1, kFixedInputs, &linepatternchooser},
    {"fillpatternchooser", 1, kFixedInputs, &fillpatternchooser},
    {"linewidthchooser", 1, kFixedInputs, &linewidthchooser},
    {"demodialog", 0, kFixedInputs, &demodialog},
};

}  // namespace

void registerEnvironmentChooserPrimitives(tLogoTab& table) { registerPrimitives(table, kEnvironmentChooserRows); }
