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
#include "objects/objectProperties.h"
#include "objects/propertyDeclaration.h"
#include "objects/propertyVariables.h"
#include "objects/tControlObject.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"
#include "values/tProcDesc.h"
#include "values/tPseudoVarDesc.h"

// "edit": the learner's procedures as text in the editor, to be changed and defined again.
// "changeme": the current object's properties as instructions that set them, to be changed and
// run.

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

std::shared_ptr<tEditorFront> editorFront()
{
    std::shared_ptr<tEditorFront> front;
    {
        std::lock_guard<std::mutex> hold(frontGuard);
        front = installedFront();
    }
    if (!front) throw eLogoException(erZembrixEditor);
    return front;
}

tlogoobject* edit(tPrimitiveCall& call)
{
    std::shared_ptr<tEditorFront> front = editorFront();
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

// One line per property that can be set and is not derived, in the order the object's kind declares them, each
// setting the value the property has now: "t1'set "heading 90". Naming and placing the object
// are left to their own primitives, and values that are no words or lists (images) cannot be
// written as text.
std::string propertyLines(tmultiobject& object)
{
    std::vector<tTabDesc*> entries;
    if (object.varTable)
        object.varTable->ForEachInOrder(
            [](void* data, tTabDesc* entry) { static_cast<std::vector<tTabDesc*>*>(data)->push_back(entry); }, &entries);
    const std::string setter = fullName(object) + "'" + primaryName("set") + " \"";
    std::string text;
    for (tTabDesc* entry : entries) {
        auto* property = dynamic_cast<tPseudoVarDesc*>(entry);
        // A derived property says again what another one says; set after it, it would undo a
        // change made there.
        if (!property || !property->setter || (property->flags & propertyFlag::kDerived)) continue;
        if (property->kind == property::kName || property->kind == property::kPreferredName ||
            property->kind == property::kMyPlace)
            continue;
        tlogoobject* value = readPropertyValue(*property);
        if (!value) continue;
        tLogoRef<tlogoobject> held(value);
        if (!value->IsWord() && !value->IsList()) continue;
        // As an input is typed: a word that is no number behind a quote.
        const std::string quote = value->IsWord() && !value->IsNumber() ? "\"" : "";
        text += setter + codeName(entry->code) + " " + quote + value->SourceText(1) + "\r\n";
    }
    return text;
}

tlogoobject* changeme(tPrimitiveCall&)
{
    std::shared_ptr<tEditorFront> front = editorFront();
    tmultiobject& here = currentObject();
    // The main object has no properties: there is nothing to change.
    if (&here == mainObject()) throw eLogoException(erNoActiveObj);
    const std::string text = propertyLines(here);
    if (text.empty()) throw eLogoException(erNoActiveObj);
    front->Open(fullName(here), text);
    return nullptr;
}

constexpr tPrimitiveRow kEditRows[] = {
    {"edit", 1, kVariableInputs, &edit},
    {"changeme", 0, kFixedInputs, &changeme},
};

}  // namespace

void installEditorFront(std::shared_ptr<tEditorFront> front)
{
    std::lock_guard<std::mutex> hold(frontGuard);
    installedFront() = std::move(front);
}

void startEditor() { registerPrimitives(*mainLogoObject().procTable, kEditRows); }
