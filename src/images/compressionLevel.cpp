#include "images/compressionLevel.h"

#include "language/Language.h"
#include "mainobj/tMainLogoObject.h"
#include "values/tLogoVarTab.h"
#include "values/tTabDesc.h"

namespace {

tlogoobject* mainVariable(const char* key)
{
    tLogoVarTab* table = mainLogoObject().varTable.get();
    tTabDesc* entry = table ? table->FindEntry(nameCode(primaryWord("name", key))) : nullptr;
    return entry ? entry->Value() : nullptr;
}

}  // namespace

int projectCompressionLevel()
{
    tlogoobject* noZip = mainVariable("noZip");
    if (noZip && noZip->IsWord() && isTrueWord(noZip->WordText())) return 0;
    tlogoobject* level = mainVariable("compressionLevel");
    if (!level || !level->IsNumber()) return 1;
    const long double value = level->AsReal();
    if (value < 0) return 1;
    return value > 3 ? 3 : static_cast<int>(value);
}
