#include "mainobj/system/systemPrimitives.h"

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/listingSwitches.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/system/tableText.h"
#include "mainobj/system/textFiles.h"
#include "mainobj/system/tlogotable.h"
#include "mainobj/tClipboard.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// Named property lists kept by the main object, and their text files.

namespace {

tlogotable& store() { return *mainLogoObject().propertyStore; }

tlogoobject* orEmptyList(tlogoobject* value) { return value ? value : new tLogoList; }

tlogoobject* pprop(tPrimitiveCall& call)
{
    store().Put(call.word(0), call.word(1), call[2]);
    return nullptr;
}

tlogoobject* gprop(tPrimitiveCall& call) { return orEmptyList(store().Get(call.word(0), call.word(1))); }

tlogoobject* remprop(tPrimitiveCall& call)
{
    store().Remove(call.word(0), call.word(1));
    return nullptr;
}

tlogoobject* plist(tPrimitiveCall& call)
{
    tListBuilder list;
    if (const tTableGroup* group = store().Find(call.word(0)))
        for (const auto& [name, value] : group->pairs) {
            list.Append(NewLiteralWord(name));
            list.Append(value.get());
        }
    return list.Take();
}

// Pairs name, value, name, value ...; a name without a value is a malformed list.
tlogoobject* setplist(tPrimitiveCall& call)
{
    const std::string& group = call.word(0);
    tLogoList* list = call.list(1);
    std::vector<std::pair<std::string, tlogoobject*>> pairs;
    tlogoobject* name = nullptr;
    for (tlogoobject* element : elements(list)) {
        if (!name) {
            name = element;
            continue;
        }
        if (!name->IsWord()) throw eLogoException(erExpectWord, name);
        pairs.emplace_back(name->WordText(), element);
        name = nullptr;
    }
    if (name) throw eLogoException(erBadStructure, list);
    store().Replace(group, pairs);
    return nullptr;
}

tlogoobject* props(tPrimitiveCall&)
{
    tListBuilder list;
    for (const auto& group : store().Groups())
        if (!group->buried || !buriedNamesLeftOut()) list.Append(NewLiteralWord(group->name));
    return list.Take();
}

tlogoobject* loadtable(tPrimitiveCall& call)
{
    const std::string name = resolveFileName(call.word(0), fkText, {.search = true});
    readTableText(store(), namesClipboard(name) ? clipboardText() : readTextFile(name));
    return nullptr;
}

tlogoobject* savetable(tPrimitiveCall& call)
{
    const std::string name = resolveFileName(call.word(0), fkText, {});
    if (namesClipboard(name))
        clipboard().SetText(tableText(store()));
    else
        writeTextFile(name, tableText(store()), false);
    return nullptr;
}

tlogoobject* pps(tPrimitiveCall&)
{
    const std::string is = uiString("strings", "is");
    std::string text;
    for (const auto& group : store().Groups())
        for (const auto& [name, value] : group->pairs)
            text += group->name + " " + name + " " + is + " " + value->PrintText(1) + "\r\n";
    if (!text.empty()) mainLogoObject().Write(text);
    return nullptr;
}

constexpr tPrimitiveRow kPropertyListRows[] = {
    {"loadtable", 1, kFixedInputs, &loadtable},
    {"savetable", 1, kFixedInputs, &savetable},
    {"pprop", 3, kFixedInputs, &pprop},
    {"gprop", 2, kFixedInputs, &gprop},
    {"remprop", 2, kFixedInputs, &remprop},
    {"plist", 1, kFixedInputs, &plist},
    {"setplist", 2, kFixedInputs, &setplist},
    {"props", 0, kFixedInputs, &props},
    {"pps", 0, kFixedInputs, &pps},
};

}  // namespace

void registerPropertyListPrimitives(tLogoTab& table) { registerPrimitives(table, kPropertyListRows); }
