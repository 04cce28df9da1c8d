#include "mainobj/explorer/exploredObjects.h"

#include <mutex>
#include <typeinfo>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/workspaceNames.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/currentObject.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/tLogoBool.h"
#include "values/tLogoList.h"
#include "values/tLogoVarDesc.h"
#include "values/tLogoVarTab.h"
#include "values/valuePools.h"

// "explore": a look at the objects of the workspace, their own variables and procedures.

namespace {

std::mutex frontGuard;
std::shared_ptr<tExplorerFront>& installedFront()
{
    static std::shared_ptr<tExplorerFront> front;
    return front;
}

// Without a window the tree is printed where "print" writes.
class tPrintingFront : public tExplorerFront {
public:
    void Show(tExploredObject explored) override { mainLogoObject().Write(exploredText(explored)); }
    bool IsOpen() override { return false; }
    void Close() override {}
};

std::shared_ptr<tExplorerFront> front()
{
    std::lock_guard<std::mutex> hold(frontGuard);
    if (!installedFront()) installedFront() = std::make_shared<tPrintingFront>();
    return installedFront();
}

// Plain variables a program made: not properties, not the kinds' hidden state ("@...") and
// not the prefix of automatic names that every instance carries from its kind.
bool shownVariable(tTabDesc& entry)
{
    if (typeid(entry) != typeid(tLogoVarDesc) && typeid(entry) != typeid(tlogoglobalvardesc)) return false;
    const std::string name = codeName(entry.code);
    return !name.empty() && name.front() != '@' && entry.code != nameCode(primaryWord("name", "namePrefix")) &&
           entry.Value();
}

void takeVariables(tLogoTab* table, tExploredObject& explored)
{
    if (!table) return;
    for (tTabDesc* entry = table->first; entry; entry = entry->next)
        if (shownVariable(*entry)) explored.variables.emplace_back(codeName(entry->code), entry->Value()->SourceText(1));
}

void appendLines(std::string& text, const tExploredObject& explored, const std::string& indent)
{
    text += indent + (explored.name.empty() ? primaryWord("class", "main") : explored.name);
    if (!explored.kind.empty()) text += " (" + explored.kind + ")";
    text += "\r\n";
    for (const auto& [name, value] : explored.variables) text += indent + "  :" + name + " = " + value + "\r\n";
    for (const std::string& procedure : explored.procedures) text += indent + "  " + procedure + "\r\n";
    for (const tExploredObject& held : explored.held) appendLines(text, held, indent + "    ");
}

tlogoobject* explore(tPrimitiveCall& call)
{
    tmultiobject* object = nullptr;
    if (call[0]->IsList() && call[0]->IsEmpty()) object = mainObject();
    else if (auto* given = dynamic_cast<tmultiobject*>(call[0])) object = given;
    else if (call[0]->IsWord()) object = resolveObjectPath(&currentObject(), call[0]->WordText());
    if (!object) throw eLogoException(erNoObject, call[0]);
    front()->Show(exploreObject(*object));
    return nullptr;
}

tlogoobject* explorerp(tPrimitiveCall&) { return NewBoolean(front()->IsOpen()); }

tlogoobject* closeExplorer(tPrimitiveCall&)
{
    front()->Close();
    return nullptr;
}

constexpr tPrimitiveRow kExplorerRows[] = {
    {"explore", 1, kFixedInputs, &explore},
    {"explorer?", 0, kFixedInputs, &explorerp},
    {"closeExplorer", 0, kFixedInputs, &closeExplorer},
};

}  // namespace

tExploredObject exploreObject(tmultiobject& object)
{
    tExploredObject explored;
    const bool main = &object == mainObject();
    if (!main) {
        explored.name = object.name;
        if (tmultiobject* kind = object.FirstParent(); kind && kind != mainObject()) explored.kind = kind->name;
    }
    takeVariables(main ? mainLogoObject().globalVarTable.get() : object.varTable.get(), explored);
    for (tTabDesc* entry = object.procTable ? object.procTable->first : nullptr; entry; entry = entry->next)
        if (isUserProcedure(*entry) && listed(*entry)) explored.procedures.push_back(codeName(entry->code));
    if (tLogoObjectsTab* held = object.Objects())
        for (tTabDesc* entry = held->first; entry; entry = entry->next)
            // The kinds' classes are the system's, not the learner's.
            if (auto* inner = dynamic_cast<tmultiobject*>(entry->Value()); inner && inner != &object && !inner->isPrototype)
                explored.held.push_back(exploreObject(*inner));
    return explored;
}

std::string exploredText(const tExploredObject& explored)
{
    std::string text;
    appendLines(text, explored, "");
    return text;
}

void installExplorerFront(std::shared_ptr<tExplorerFront> explorer)
{
    std::lock_guard<std::mutex> hold(frontGuard);
    installedFront() = std::move(explorer);
}

void startExplorer() { registerPrimitives(*mainLogoObject().procTable, kExplorerRows); }
