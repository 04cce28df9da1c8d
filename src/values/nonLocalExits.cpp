#include "language/Language.h"
#include "values/eOutputException.h"
#include "values/ethrow.h"

namespace {

std::string lowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

ethrow::ethrow(tlogoobject* tagWord) : eLogoException(erNoCatch, tagWord), tag(lowerCase(tagWord->WordText())) {}

eOutputException::eOutputException(tlogoobject* value) : message(primaryName("output")), value(value) {}
