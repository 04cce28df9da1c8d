#include "images/projects/objectWriter.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "images/projects/ownerEntry.h"
#include "images/projects/projectWriter.h"
#include "images/projects/saveOptions.h"
#include "images/projects/startObjects.h"
#include "images/tLogoImage.h"
#include "language/Language.h"
#include "objects/objectList.h"
#include "objects/objectProperties.h"
#include "objects/propertyVariables.h"
#include "objects/tcontainerobject.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/tLogoString.h"
#include "values/tLogoVarDesc.h"
#include "values/valuePools.h"
#include "values/tPseudoVarDesc.h"
#include "values/tProcDesc.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

std::vector<tTabDesc*> entriesInOrder(tLogoTab* table)
{
    std::vector<tTabDesc*> entries;
    if (table)
        table->ForEachInOrder([](void* data, tTabDesc* entry) { static_cast<std::vector<tTabDesc*>*>(data)->push_back(entry); },
                              &entries);
    return entries;
}

tmultiobject* ownerOf(const tmultiobject* object)
{
    auto* control = dynamic_cast<const tControlObject*>(object);
    return control ? control->owner : nullptr;
}

// Marked with ".donotsave": its entry in its owner's table is not saved.
bool leftOut(const tmultiobject* object)
{
    const tTabDesc* entry = ownerEntry(object);
    return entry && (entry->flags & kNotSaved);
}

bool isMainWindow(const tmultiobject* object)
{
    auto& main = *static_cast<tcontainerobject*>(mainObject());
    const tmultiobject* windowClass = main.FindOwn(nameCode(primaryWord("class", "mainwindow")));
    return windowClass && object->isInstance && object->FirstParent() == windowClass && ownerOf(object) == &main;
}

// A name where it stands as a word: a name with blanks or brackets in bars.
std::string asWord(const std::string& name)
{
    tLogoRef<tLogoString> word(NewLiteralWord(name));
    return word->SourceText(1);
}

// A page's current turtles: written with the relations, once every turtle exists.
constexpr int32_t kPageWho = 38;
constexpr int32_t kBgPicture = 37;

// Properties that the creating line or the relations carry.
bool writtenElsewhere(int32_t number)
{
    return number == property::kName || number == property::kPreferredName || number == property::kMyPlace ||
           number == kPageWho;
}

class tObjectWriter {
public:
    tObjectWriter(std::string& text, tImageRegistry& images, uint8_t options, std::optional<std::string> copyName)
        : text(text), images(images), options(options), copyName(std::move(copyName))
    {
    }

    void Write(const std::vector<tmultiobject*>& roots)
    {
        Mark(roots);
        for (tmultiobject* object : saved)
            WriteBlock(*object);
        for (tmultiobject* object : saved)
            if (!isMainWindow(object))
                WriteRelations(*object);
    }

private:
    // The roots and everything they hold, in creation order; the main window goes last, since
    // setting its state may show pages made before. The main object's own state is not an
    // object block.
    void Mark(const std::vector<tmultiobject*>& roots)
    {
        std::unordered_set<const tmultiobject*> marked(roots.begin(), roots.end());
        if (roots.empty())
            marked.insert(mainObject());
        for (bool grown = true; grown;) {
            grown = false;
            for (tmultiobject* object = firstObject(); object; object = object->next)
                if (!marked.count(object) && marked.count(ownerOf(object)) && !leftOut(object)) {
                    marked.insert(object);
                    grown = true;
                }
        }
        tmultiobject* window = nullptr;
        for (tmultiobject* object = firstObject(); object; object = object->next) {
            if (object == mainObject() || !marked.count(object))
                continue;
            if (isMainWindow(object))
                window = object;
            else
                saved.push_back(object);
        }
        if (window)
            saved.push_back(window);
        for (tmultiobject* object : saved)
            if (!SetsState(*object))
                numbers[object] = int32_t(numbers.size() + 1);
    }

    // The objects a fresh program has already: their state is set, they are not made again.
    // A copy makes every object it writes.
    bool SetsState(const tmultiobject& object) const
    {
        if (copyName)
            return false;
        return object.isPrototype || isStartObject(&object) || isMainWindow(&object);
    }

    // The name pair of a made instance: the preferred name, which a copy cannot have while
    // its original lives, or the copy's own name.
    std::string NamePair(const tmultiobject& object) const
    {
        if (copyName && !copyName->empty() && !saved.empty() && &object == saved.front())
            return std::to_string(property::kName) + " " + asWord(*copyName);
        return std::to_string(property::kPreferredName) + " " + asWord(object.name);
    }

    std::string Reference(tmultiobject* object)
    {
        if (object == mainObject())
            return primaryWord("class", "main");
        if (auto number = numbers.find(object); number != numbers.end())
            return "#" + std::to_string(number->second);
        return Prefix(object) + object->name;
    }

    // The owner's reference and an apostrophe; nothing for objects the main object holds.
    std::string Prefix(tmultiobject* object)
    {
        tmultiobject* owner = ownerOf(object);
        return owner && owner != mainObject() ? Reference(owner) + "'" : std::string();
    }

    void WriteBlock(tmultiobject& object)
    {
        const bool setsState = SetsState(object);
        // A kind class carries only what a program gave it: procedures and events.
        if (object.isPrototype && !HasProceduresOrEvents(object))
            return;
        const std::string prefix = Prefix(&object);
        if (setsState)
            text += prefix + object.name + "'" + primaryName(".setstate.") + " [";
        else if (object.isInstance)
            text += prefix + primaryName(".new.") + " \"" + Reference(object.FirstParent()) + " [" +
                    NamePair(object);
        else
            text += prefix + primaryName("newclass") + " \"" + Reference(object.FirstParent()) + " \"" +
                    asWord(object.name) + " [";
        text += kLineEnd;
        std::vector<std::string> laterLines;
        if (!object.isPrototype)
            WriteVariables(object, laterLines);
        text += std::string("\t]") + kLineEnd;
        WriteProcedures(object);
        WriteEvents(object);
        for (const std::string& line : laterLines)
            text += "\t" + line + kLineEnd;
        text += kLineEnd;
    }

    static bool HasProceduresOrEvents(tmultiobject& object)
    {
        for (tTabDesc* entry : entriesInOrder(object.procTable.get()))
            if (savedEntry(entry) && !entry->DefinitionText().empty())
                return true;
        for (tTabDesc* entry : entriesInOrder(object.eventTable.get()))
            if (savedEntry(entry) && entry->Value())
                return true;
        return false;
    }

    void WriteVariables(tmultiobject& object, std::vector<std::string>& laterLines)
    {
        // Only instances have property variables; a class keeps the values it gives its
        // instances as plain variables, by name.
        for (tTabDesc* entry : entriesInOrder(object.varTable.get())) {
            if (!savedEntry(entry))
                continue;
            const std::string name = codeName(entry->code);
            // Hidden variables ("@Turtle", "@screen") are the kinds' own state.
            if (name.empty() || name.front() == '@')
                continue;
            std::string key = name;
            tlogoobject* value = nullptr;
            if (auto* property = dynamic_cast<tPseudoVarDesc*>(entry)) {
                if (Skipped(object, property->kind))
                    continue;
                key = std::to_string(property->kind);
                value = readPropertyValue(*property);
            } else if (dynamic_cast<tPseudoVarPrototype*>(entry) || !dynamic_cast<tLogoVarDesc*>(entry)) {
                continue;
            } else {
                value = entry->Value();
            }
            if (!value)
                continue;
            tLogoRef<tlogoobject> held(value);
            // A list in the state list is text: images come back through an instruction of
            // their own, a property through its setter, an own variable made anew. So do
            // words that a creation list would take for a variable's value or a group.
            if (holdsImage(value) || !StandsInStateList(value)) {
                const char* assign = dynamic_cast<tPseudoVarDesc*>(entry) ? "set" : "haveown";
                laterLines.push_back(Reference(&object) + "'" + primaryName(assign) + " \"" + name + " " +
                                     inputText(value, images));
                continue;
            }
            text += "\t" + key + " " + value->SourceText(1) + kLineEnd;
        }
    }

    static bool StandsInStateList(tlogoobject* value)
    {
        if (value->IsList() || value->IsNumber())
            return true;
        const std::string& word = value->WordText();
        return !word.starts_with(":") && word != "(";
    }

    void WriteProcedures(tmultiobject& object)
    {
        for (tTabDesc* entry : entriesInOrder(object.procTable.get())) {
            if (!savedEntry(entry))
                continue;
            std::string definition = entry->DefinitionText();
            if (definition.empty())
                continue;
            text += Reference(&object) + "'" + WithoutOwner(definition);
            if (!definition.ends_with(kLineEnd))
                text += kLineEnd;
        }
    }

    // A definition typed as "owner'to ..." keeps its owner in its text; the block names it.
    static std::string WithoutOwner(const std::string& definition)
    {
        const size_t start = definition.find_first_not_of(' ');
        const size_t wordEnd = definition.find_first_of(" \r\n", start);
        const size_t apostrophe = definition.rfind('\'', wordEnd);
        if (start == std::string::npos || apostrophe == std::string::npos || apostrophe < start)
            return definition.substr(start == std::string::npos ? 0 : start);
        return definition.substr(apostrophe + 1);
    }

    void WriteEvents(tmultiobject& object)
    {
        for (tTabDesc* entry : entriesInOrder(object.eventTable.get())) {
            tlogoobject* handler = entry->Value();
            if (!savedEntry(entry) || !handler)
                continue;
            text += "\t" + Reference(&object) + "'" + primaryName("setevent") + " \"" + codeName(entry->code) + " " +
                    handler->SourceText(1) + kLineEnd;
        }
    }

    void WriteRelations(tmultiobject& object)
    {
        if (object.isPrototype && !HasProceduresOrEvents(object))
            return;
        const std::string reference = Reference(&object);
        for (size_t i = size_t(object.classParentCount); i < object.parents.size(); ++i)
            Relation(reference + "'" + primaryName(".addbehaviour") + " \"" + Reference(object.parents[i]));
        tTabDesc* who = object.varTable ? object.varTable->Lookup(propertyNames(kPageWho).getterCode) : nullptr;
        if (auto* property = dynamic_cast<tPseudoVarDesc*>(who); property && savedEntry(property)) {
            tLogoRef<tlogoobject> value(readPropertyValue(*property));
            if (value)
                Relation(reference + "'" + codeName(propertyNames(kPageWho).setterCode) + " " +
                         inputText(value.get(), images));
        }
        WriteStackingOrder(object, reference);
    }

    // The turtles of a page or pane in drawing order, when there are several to order. The
    // page finds them by their names.
    void WriteStackingOrder(tmultiobject& object, const std::string& reference)
    {
        tgrScreen* screen = object.CanContain() ? screenOf(object) : nullptr;
        if (!screen)
            return;
        std::vector<std::string> names;
        for (tLogoTurtleParams* turtle : screen->Turtles()) {
            auto* owner = dynamic_cast<tmultiobject*>(turtle->owner);
            if (owner && ownerOf(owner) == &object && !leftOut(owner))
                names.push_back(asWord(owner->name));
        }
        if (names.size() < 2)
            return;
        std::string list;
        for (const std::string& name : names)
            list += (list.empty() ? "" : " ") + name;
        Relation(reference + "'" + primaryName("reorder") + " [" + list + "]");
    }

    // Each relation is an instruction of its own, so a failing one names itself on loading.
    void Relation(const std::string& line) { text += line + kLineEnd + kLineEnd; }

    // Pictures are large: a page's or pane's background is kept only on request.
    bool Skipped(const tmultiobject& object, int32_t number) const
    {
        if (number != kBgPicture)
            return writtenElsewhere(number);
        return !(options & (object.IsPage() ? soPageBg : soPaneBg));
    }

    std::string& text;
    tImageRegistry& images;
    uint8_t options;
    std::optional<std::string> copyName;
    std::vector<tmultiobject*> saved;
    std::unordered_map<const tmultiobject*, int32_t> numbers;
};

}  // namespace

void writeObjectBlocks(std::string& text, tImageRegistry& images, uint8_t options,
                       const std::vector<tmultiobject*>& objects, const std::optional<std::string>& copyName)
{
    tObjectWriter(text, images, options, copyName).Write(objects);
}
