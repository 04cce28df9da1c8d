#include <string>

#include "values/tLogoList.h"

namespace {

// Elements in their own form for an element of a list (mode 1), separated by single blanks;
// the top level (mode 0) leaves out the outer brackets.
template <class Form>
std::string listText(tLogoList* list, int mode, Form form)
{
    std::string text = mode == 0 ? "" : "[";
    bool separate = false;
    for (tlogoobject* element : elements(list)) {
        if (separate)
            text += ' ';
        text += form(element);
        separate = true;
    }
    if (mode != 0)
        text += ']';
    return text;
}

}  // namespace

std::string tLogoList::PrintText(int mode)
{
    return listText(this, mode, [](tlogoobject* element) { return element->PrintText(1); });
}

std::string tLogoList::SourceText(int mode)
{
    return listText(this, mode, [](tlogoobject* element) { return element->SourceText(1); });
}

std::string tLogoList::LinesPrintText()
{
    std::string text;
    for (tlogoobject* line : elements(this))
        text += line->PrintText(0) + "\r\n";
    return text;
}
