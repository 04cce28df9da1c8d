#include "values/ProcedureText.h"

#include "language/Language.h"
#include "values/tLogoList.h"

std::string procedureDefinitionText(std::string_view name, const std::vector<std::string>& inputs,
                                    std::optional<int> restDefaultCount, tlogoobject* body)
{
    std::string text = primaryWord("other", "to") + " " + std::string(name);
    if (restDefaultCount) {
        if (!inputs.empty())
            text += " :" + inputs.front() + " [" + std::to_string(*restDefaultCount) + "]";
    } else {
        for (const std::string& input : inputs)
            text += " :" + input;
    }
    text += "\r\n";
    if (body && body->IsWord()) {
        text += body->SourceText(0) + "\r\n";
    } else if (body && body->IsList()) {
        for (tlogoobject* line : elements(static_cast<tLogoList*>(body)))
            text += " " + line->SourceText(0) + "\r\n";
    }
    return text + primaryWord("other", "end");
}
