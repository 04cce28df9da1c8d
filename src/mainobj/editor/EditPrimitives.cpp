#include "mainobj/editor/editorFront.h"

#include <mutex>
#include <string>
#include <vector>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/workspaceNames.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/currentObject.h"
#include "objects/objectList.h"
#include "objects/tControlObject.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tProcDesc.h"

// "edit": the learner's procedures as text in the editor, to be changed and defined again.

namespace {

std::mutex frontGuard;
std::shared_ptr<tEditorFront>& installedFront()
{
    static std::shared_ptr<tEditorFront> front;
    return front;
}

// The owners' names joined by apostrophes, outermost first: how a definition typed in the
// command area names the object it belongs to.
std::string fullName(tmultiobject& object)
{
    std::string name = object.name;
    for (auto* owner = dynamic_cast<tControlObject*>(dynamic_cast<tControlObject&>(object).owner);
         owner && owner != mainObject(); owner = dynamic_cast<tControlObject*>(owner->owner))
        name = owner->name + "'" + name;
    return name;
}

// The definition of one name as the current object sees it; a new name gets an empty
// definition to fill in. Primitives and running procedures cannot be edited.
std::string definitionOf(tlogoobject* name)
{
    if (!name->IsWord()) throw eLogoException(erExpectWord, name);
    // A number can name no procedure.
    if (name->IsNumber()) throw eLogoException(erCannotEdit, name);
    tmultiobject& here = currentObject();
    const uint32_t code = name->NameCode();
    for (tLogoTab* table : here.procChain) {
        tTabDesc* entry = table->Lookup(code);
        if (!entry) continue;
        if (!isUserProcedure(*entry)) throw eLogoException(erCannotEdit, name);
        if (!entry->IsAvailable(true)) throw eLogoException(erEditUsedProc, name);
        std::string text = entry->DefinitionText();
        auto* owner = dynamic_cast<tmultiobject*>(table->owner);
        if (owner && owner != mainObject() && dynamic_cast<tControlObject*>(owner))
            text = fullName(*owner) + "'" + text.substr(text.find_first_not_of(' '));
        return text;
    }
    const std::string prefix = &here == mainObject() ? std::string() : fullName(here) + "'";
    return prefix + primaryWord("other", "to") + " " + name->WordText() + "\r\n" + primaryWord("other", "end");
}

tlogoobject* edit(tPrimitiveCall& call)
{
    std::shared_ptr<tEditorFront> front;
    {
        std::lock_guard<std::mutex> hold(frontGuard);
        front = installedFront();
    }
    if (!front) throw eLogoException(erZembrixEditor);
    std::vector<tlogoobject*> names;
    for (int i = 0; i < call.count(); ++i) {
        if (call[i]->IsList()) {
            for (tlogoobject* name : elements(static_cast<tLogoList*>(call[i]))) names.push_back(name);
        } else {
            names.push_back(call[i]);
        }
    }
    std::string text;
    std::string title;
    for (tlogoobject* name : names) {
        std::string definition = definitionOf(name);
        while (!definition.empty() && (definition.back() == '\n' || definition.back() == '\r')) definition.pop_back();
        text += (text.empty() ? "" : "\r\n\r\n") + definition;
        title += (title.empty() ? "" : " ") + name->WordText();
    }
    front->Open(title, text);
    return nullptr;
}

constexpr tPrimitiveRow kEditRows[] = {
    {"edit", 1, kVariableInputs, &edit},
};

}  // namespace

void installEditorFront(std::shared_ptr<tEditorFront> front)
{
    std::lock_guard<std::mutex> hold(frontGuard);
    installedFront() = std::move(front);
}

void startEditor() { registerPrimitives(*mainLogoObject().procTable, kEditRows); }
