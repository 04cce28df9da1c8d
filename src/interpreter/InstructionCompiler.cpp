#include "interpreter/InstructionCompiler.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <string_view>

#include "interpreter/tCompiledForm.h"
#include "language/Language.h"
#include "values/LogoReader.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/tLogoWord.h"

namespace {

constexpr char kMiddleDot = '\xB7';

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

// "%" or "%" followed by digits: an input of a template.
bool isTemplateInput(std::string_view text)
{
    if (text.empty() || text[0] != '%') return false;
    return std::all_of(text.begin() + 1, text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// The length of an inherited-call prefix ("usual'" in the language, or its neutral form).
size_t inheritedPrefixLength(std::string_view text)
{
    std::string lower = lowered(text);
    for (const std::string& prefix : {lowered(usualPrefix()), std::string("\xB7param\xB7usual'")})
        if (!prefix.empty() && lower.size() > prefix.size() && lower.compare(0, prefix.size(), prefix) == 0)
            return prefix.size();
    return 0;
}

tTokenKind operatorKind(std::string_view text)
{
    if (text.size() == 1) {
        switch (text[0]) {
        case '(': return tkOpen;
        case ')': return tkClose;
        case '*': case '/': return tkMultiplicative;
        case '+': case '-': return tkAdditive;
        case '<': case '=': case '>': return tkComparison;
        default: return tkName;
        }
    }
    if (text == "<=" || text == ">=" || text == "<>") return tkComparison;
    return tkName;
}

void compileNamedWord(tCompiledForm& form, std::string_view text, bool templateInputs)
{
    tTokenKind kind = operatorKind(text);
    if (kind == tkOpen || kind == tkClose) {
        form.AddPlain(kind);
        return;
    }
    if (kind != tkName || text.size() < 2) {
        if (templateInputs && isTemplateInput(text))
            form.AddName(tkVariable, nameCode(text));
        else
            form.AddName(kind, nameCode(text));
        return;
    }
    if (size_t prefix = inheritedPrefixLength(text)) {
        form.AddName(tkInherited, nameCode(text.substr(prefix)));
        return;
    }
    // A neutral dictionary reference keeps its apostrophes for the name-code rule.
    if (text[0] != kMiddleDot) {
        size_t apostrophe;
        while ((apostrophe = text.find('\'')) != std::string_view::npos && apostrophe + 1 < text.size()) {
            if (apostrophe == 0)
                form.AddName(tkQualifier, nameCode(primaryWord("class", "main")));
            else
                form.AddName(tkQualifier, nameCode(text.substr(0, apostrophe)));
            text.remove_prefix(apostrophe + 1);
        }
    }
    if (templateInputs && isTemplateInput(text))
        form.AddName(tkVariable, nameCode(text));
    else
        form.AddName(tkName, nameCode(text));
}

void compileElement(tCompiledForm& form, tlogoobject* element, bool templateInputs)
{
    // Numbers and booleans stand for themselves, as does everything that is not a word.
    if (!element->IsWord() || element->IsNumber() || element->IsBoolean()) {
        form.AddLiteral(element);
        return;
    }
    const std::string& text = element->WordText();
    if (text.empty()) return;
    if (text[0] == '"') {
        std::string rest = text.substr(1);
        if (rest.size() > 1 && rest[0] == kMiddleDot) rest = resolveNeutralName(rest);
        form.AddLiteral(new tLogoString(rest));
    } else if (text[0] == ':') {
        form.AddName(tkVariable, nameCode(std::string_view(text).substr(1)));
    } else {
        compileNamedWord(form, text, templateInputs);
    }
}

void compileElements(tCompiledForm& form, const tLogoList* list, bool templateInputs)
{
    for (tlogoobject* element : elements(list))
        compileElement(form, element, templateInputs);
}

void compileInto(tCompiledForm& form, tLogoList& list, int mode)
{
    switch (mode) {
    case tCompiledForm::kClauses:
        form.AddLiteral(list.ClauseForm());
        break;
    case tCompiledForm::kLines:
    case tCompiledForm::kTemplateLines:
        for (tlogoobject* line : elements(&list)) {
            bool templateInputs = mode == tCompiledForm::kTemplateLines;
            if (line->IsList())
                compileElements(form, static_cast<tLogoList*>(line), templateInputs);
            else
                compileElement(form, line, templateInputs);
        }
        break;
    default:
        compileElements(form, &list, false);
        break;
    }
    form.Finish();
}

}  // namespace

tCachedForm* compileList(tLogoList& list, int mode)
{
    auto entry = std::make_unique<tCachedForm>(new tCompiledForm(static_cast<uint8_t>(mode), &list));
    compileInto(*entry->form, list, mode);
    return entry.release();
}

tCachedForm* compileWord(tLogoWord& word, int mode)
{
    // A body held as a word is read line by line, like procedure text.
    bool byLines = mode == tCompiledForm::kLines || mode == tCompiledForm::kTemplateLines;
    tLogoRef<tLogoList> list(ListFromText(word.WordText(), byLines));
    auto entry = std::make_unique<tCachedForm>(new tCompiledForm(static_cast<uint8_t>(mode), &word));
    compileInto(*entry->form, *list, mode);
    return entry.release();
}
