#include "interpreter/ProcedureDefinition.h"

#include <string>

#include "interpreter/tLogoProcDesc.h"
#include "language/Language.h"
#include "values/LogoReader.h"
#include "values/eLogoException.h"
#include "values/numberText.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/tLogoTab.h"

namespace {

constexpr const char* kBlanks = " \t\r\n";

std::string_view trimmed(std::string_view text)
{
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Every line break becomes CR LF: the reader breaks lines at CR, and text from files may
// have only LF.
std::string normalisedLineBreaks(std::string_view text)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
        result += c;
        if (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) result += '\n';
    }
    return result;
}

// [name [n]]: a rest input with its default count.
bool isRestInputShape(tLogoList* inputs)
{
    if (inputs->Count() != 2) return false;
    tlogoobject* name = inputs->first;
    tlogoobject* defaults = inputs->rest->first;
    return name->IsWord() && !name->IsEmpty() && defaults->IsList() && !defaults->IsEmpty() &&
           static_cast<tLogoList*>(defaults)->first->IsNumber();
}

// The title's input elements as definition-list input names.
tLogoList* titleInputs(tLogoList* rest)
{
    if (isRestInputShape(rest)) {
        tListBuilder inputs;
        const std::string& name = rest->first->WordText();
        inputs.Append(name[0] == ':' ? new tLogoString(name.substr(1)) : rest->first);
        inputs.Append(rest->rest->first);
        return inputs.Take();
    }
    tListBuilder inputs;
    for (tlogoobject* element : elements(rest)) {
        if (element->IsList()) throw eLogoException(erExpectWord, element);
        const std::string& text = element->WordText();
        inputs.Append(!text.empty() && text[0] == ':' ? new tLogoString(text.substr(1)) : element);
    }
    return inputs.Take();
}

std::string withoutCommentLines(std::string_view text)
{
    std::string result;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] != ';') result += line;
        text.remove_prefix(line.size());
    }
    return result;
}

std::vector<uint32_t> inputCodes(tLogoList* inputs)
{
    std::vector<uint32_t> codes;
    for (tlogoobject* input : elements(inputs)) {
        if (!input->IsWord()) throw eLogoException(erExpectWord, input);
        if (input->IsEmpty()) throw eLogoException(erEmptyWord, input);
        codes.push_back(nameCode(input->WordText()));
    }
    return codes;
}

}  // namespace

void CheckProcedureName(std::string_view name)
{
    long double number;
    bool bad = name.empty() || parseLogoReal(name, number) || name[0] == '"' || name[0] == ':';
    for (unsigned char c : name) bad = bad || c < 33;
    if (bad) throw eLogoException(erBadProcName, name);
}

std::unique_ptr<tLogoProcDesc> BuildProcedure(uint32_t code, tlogoobject* definition, std::string sourceText)
{
    tLogoRef<tlogoobject> held(definition);
    if (!definition || !definition->IsList()) throw eLogoException(erExpectList, definition);
    auto* list = static_cast<tLogoList*>(definition);
    if (list->IsEmpty()) throw eLogoException(erEmptyList, definition);
    for (tlogoobject* element : elements(list))
        if (!element->IsList()) throw eLogoException(erBadStructure, definition);
    auto* inputs = static_cast<tLogoList*>(list->first);
    // The procedure owns its chain of lines: the definition's tail may be run or compiled in
    // another mode elsewhere, which would replace the compiled body while it runs.
    tLogoRef<tlogoobject> body(list->rest ? list->rest->Clone() : new tLogoList);
    if (isRestInputShape(inputs)) {
        tlogoobject* name = inputs->first;
        int32_t count = static_cast<tLogoList*>(inputs->rest->first)->first->AsIntegerIn(0, 255);
        return std::make_unique<tLogoProcDescV>(code, nameCode(name->WordText()), count, body.get(),
                                                std::move(sourceText));
    }
    return std::make_unique<tLogoProcDescF>(code, inputCodes(inputs), body.get(), std::move(sourceText));
}

std::unique_ptr<tLogoProcDesc> BuildTemplateProcedure(uint32_t code, const std::vector<uint32_t>& inputNames,
                                                      tlogoobject* line)
{
    tListBuilder lines;
    lines.Append(line);
    tLogoRef<tlogoobject> body(lines.Take());
    auto procedure = std::make_unique<tLogoProcDescF>(code, inputNames, body.get(), std::string());
    procedure->templateBody = 1;
    return procedure;
}

void DefineFromList(tLogoTab& procedures, std::string_view name, tlogoobject* definition, std::string sourceText)
{
    tLogoRef<tlogoobject> held(definition);
    CheckProcedureName(name);
    uint32_t code = nameCode(name);
    tTabDesc* existing = procedures.FindEntry(code);
    uint8_t keptFlags = 0;
    if (existing) {
        auto* procedure = dynamic_cast<tLogoProcDesc*>(existing);
        if (!procedure) throw eLogoException(erRedefinePrimitiveProc, name);
        if (!procedure->IsAvailable(true)) throw eLogoException(erRedefineUsedProc, name);
        keptFlags = existing->flags & (kNotSaved | kNeverListed | kHidden);
    }
    std::unique_ptr<tLogoProcDesc> procedure = BuildProcedure(code, definition, std::move(sourceText));
    procedure->flags |= keptFlags;
    procedures.PutEntry(procedure.release());
}

void DefineFromText(tLogoTab& procedures, std::string_view text, bool checkOnly)
{
    std::string source = normalisedLineBreaks(text);
    std::string work(trimmed(source));
    size_t lastBreak = work.find_last_of(" \n");
    std::string lastWord = work.substr(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    if (lastBreak != std::string::npos && isWord("other", "end", lastWord)) work.resize(lastBreak);
    work = std::string(trimmed(work)) + "\r\n";

    size_t titleEnd = work.find("\r\n");
    tLogoRef<tLogoList> title(ListFromText(std::string_view(work).substr(0, titleEnd), false));
    if (title->IsEmpty() || !title->first->IsWord() || !isWord("other", "to", title->first->WordText()))
        throw eLogoException(erMissingTO, title->IsEmpty() ? nullptr : title->first);
    tLogoList* afterTo = title->rest;
    if (!afterTo || afterTo->IsEmpty() || !afterTo->first->IsWord()) throw eLogoException(erMissingToName);
    std::string name = afterTo->first->WordText();
    if (checkOnly) {
        CheckProcedureName(name);
        return;
    }
    tLogoRef<tLogoList> noInputs(new tLogoList);
    tLogoRef<tLogoList> inputs(titleInputs(afterTo->rest ? afterTo->rest : noInputs.get()));
    tTabDesc* existing = procedures.FindEntry(nameCode(name));
    if (existing && existing->DefinitionText() == source) return;

    tLogoRef<tLogoList> line(ListFromText(withoutCommentLines(std::string_view(work).substr(titleEnd + 2)), false));
    tListBuilder definition;
    definition.Append(inputs.get());
    definition.Append(line.get());
    DefineFromList(procedures, name, definition.Take(), source);
}
