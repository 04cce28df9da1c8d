#include "interpreter/ErrorLine.h"

#include "interpreter/Evaluator.h"
#include "interpreter/tCompiledForm.h"
#include "language/Language.h"
#include "values/LogoReader.h"
#include "values/tLogoList.h"

namespace {

// Element tokens of a value as the reader counts them: a list is its "[" and its elements.
int elementTokens(tlogoobject* value)
{
    if (!value->IsList()) return 1;
    int count = 1;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) count += elementTokens(element);
    return count;
}

// Element tokens of the compiled tokens before `position`; a qualifier is part of its name.
int tokensBefore(const tCompiledForm& form, int position)
{
    int count = 0;
    for (int i = 0; i + 1 < position && i < static_cast<int>(form.tokens.size()); ++i) {
        const tToken& token = form.tokens[i];
        if (token.kind == tkQualifier || token.kind == tkEnd) continue;
        count += token.kind == tkLiteral ? elementTokens(token.value) : 1;
    }
    return count;
}

bool isLiteralList(const tToken& token) { return token.kind == tkLiteral && token.value->IsList(); }

// Among the literal lists just before `position` (the instruction-list inputs of the statement
// the run stood after), the one whose run recorded the deeper trail entry; without a known
// source, the last of them.
const tToken* listThatRan(const tCompiledForm& form, int position, const tlogoobject* source)
{
    for (int i = position - 2; i >= 0 && isLiteralList(form.tokens[i]); --i)
        if (!source || form.tokens[i].value == source) return &form.tokens[i];
    return nullptr;
}

bool isCommentLine(const std::string& line)
{
    size_t first = line.find_first_not_of(" \t");
    return first != std::string::npos && line[first] == ';';
}

}  // namespace

std::string bodyTextForLines(const std::string& definitionText)
{
    std::string text;
    for (size_t i = 0; i < definitionText.size(); ++i) {
        if (definitionText[i] == '\n' && (i == 0 || definitionText[i - 1] != '\r')) text += '\r';
        text += definitionText[i];
        if (definitionText[i] == '\r' && (i + 1 >= definitionText.size() || definitionText[i + 1] != '\n'))
            text += '\n';
    }
    size_t end = text.find_last_not_of(" \r\n\t");
    text.resize(end == std::string::npos ? 0 : end + 1);
    size_t lastBreak = text.find_last_of(" \n");
    std::string lastWord = text.substr(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    if (isWord("other", "end", lastWord)) text.resize(text.size() - lastWord.size());

    std::string body;
    size_t start = text.find("\r\n");
    if (start == std::string::npos) return body;
    for (start += 2; start <= text.size();) {
        size_t next = text.find("\r\n", start);
        std::string line = text.substr(start, next == std::string::npos ? std::string::npos : next - start);
        if (!isCommentLine(line)) body += line + "\r\n";
        if (next == std::string::npos) break;
        start = next + 2;
    }
    return body;
}

int32_t failingLine(const std::string& definitionText, tCompiledForm& body, const std::vector<int32_t>& trail,
                    const std::vector<const tlogoobject*>& sources)
{
    if (trail.empty()) return -1;
    bool sourcesKnown = sources.size() == trail.size() && sources.back() == body.source;
    try {
        tCompiledForm* form = &body;
        int level = static_cast<int>(trail.size()) - 1;
        int count = 0;
        for (;;) {
            int position = trail[level];
            const tToken* list =
                level > 0 ? listThatRan(*form, position, sourcesKnown ? sources[level - 1] : nullptr) : nullptr;
            if (!list) {
                count += tokensBefore(*form, position);
                break;
            }
            count += tokensBefore(*form, form->PositionOf(list)) + 1;
            form = &CompiledForm(list->value, tCompiledForm::kInstructions);
            --level;
        }
        return LineOfToken(bodyTextForLines(definitionText), count > 0 ? count : 1);
    } catch (...) {
        // The line is a courtesy of the report; a failure to find it must not hide the error.
        return -1;
    }
}
