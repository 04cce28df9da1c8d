#include "values/eLogoException.h"

#include "language/Language.h"
#include "values/valuePools.h"
#include "values/tLogoString.h"

std::string errorTemplate(errorConst key) { return uiString("errors", errorConstName(key)); }

std::string formatTemplate(std::string_view pattern, const std::vector<std::string>& arguments)
{
    std::string text;
    size_t next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            text.push_back(pattern[i]);
            continue;
        }
        if (pattern[i + 1] == '%') {
            text.push_back('%');
            ++i;
            continue;
        }
        // Skip flags, width and precision up to the conversion letter.
        size_t letter = i + 1;
        while (letter < pattern.size() && !((pattern[letter] >= 'a' && pattern[letter] <= 'z') ||
                                            (pattern[letter] >= 'A' && pattern[letter] <= 'Z')))
            ++letter;
        if (letter == pattern.size()) {
            text.append(pattern.substr(i));
            break;
        }
        if (next < arguments.size()) text += arguments[next++];
        i = letter;
    }
    return text;
}

eLogoException::eLogoException(errorConst key) : message(errorTemplate(key)), key(key) {}

eLogoException::eLogoException(errorConst key, tlogoobject* culprit)
    : message(errorTemplate(key)), culprit(culprit), key(key)
{
}

eLogoException::eLogoException(std::string text, tlogoobject* culprit)
    : message(std::move(text)), culprit(culprit), key(erUser)
{
}

eLogoException::eLogoException(errorConst key, std::string_view culpritText)
    : message(errorTemplate(key)), culprit(new tLogoString(culpritText)), key(key)
{
}

eLogoException::eLogoException(errorConst key, tCulpritName culpritName)
    : message(errorTemplate(key)), culpritName(culpritName.code), key(key)
{
}

eLogoException::eLogoException(errorConst key, tNeedingProcedure procedure)
    : message(errorTemplate(key)), needingProcedure(codeName(procedure.code)), key(key)
{
}

eLogoException::eLogoException(errorConst key, tNeedingProcedureText procedure)
    : message(errorTemplate(key)), needingProcedure(std::move(procedure.text)), key(key)
{
}

eLogoException::eLogoException(errorConst key, int32_t lower, int32_t upper, tlogoobject* culprit)
    : message(errorTemplate(key)), culprit(culprit), lowerBound(lower), upperBound(upper), key(key)
{
}

eLogoException::eLogoException(errorConst key, const std::vector<std::string>& arguments)
    : message(formatTemplate(errorTemplate(key), arguments)), key(key)
{
    if (!arguments.empty()) culprit = new tLogoString(arguments.front());
}

eLogoException::eLogoException(errorConst key, tlogoobject* culprit, const std::vector<std::string>& arguments)
    : message(formatTemplate(errorTemplate(key), arguments)), culprit(culprit), key(key)
{
}

void eLogoException::SetNeedingProcedure(uint32_t nameCode)
{
    if (needingProcedure.empty()) needingProcedure = codeName(nameCode);
}

void eLogoException::SetNeedingProcedure(std::string_view name)
{
    if (needingProcedure.empty()) needingProcedure = name;
}

void eLogoException::SetContext(uint32_t nameCode, tlogoobject* procedureOwner, int32_t procedureLine,
                                tInprocType kind)
{
    if (procedureName.empty() && nameCode != 0) {
        owner = procedureOwner;
        procedureName = codeName(nameCode);
    }
    contextKind = kind;
    line = procedureLine;
}

void failInteger32(tlogoobject* value)
{
    throw eLogoException(erMinMax, -2147483647 - 1, 2147483647, value);
}
