#include "media/inputText.h"

#include "values/tLogoList.h"

std::string inputText(tlogoobject* input)
{
    if (!input->IsList()) return input->PrintText(0);
    std::string text;
    for (tlogoobject* part : elements(static_cast<tLogoList*>(input))) text += (text.empty() ? "" : " ") + part->PrintText(0);
    return text;
}
