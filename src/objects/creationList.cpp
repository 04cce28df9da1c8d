#include "objects/creationList.h"

#include <functional>
#include <string>

#include "interpreter/Evaluator.h"
#include "interpreter/tCompiledForm.h"
#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "objects/objectProperties.h"
#include "objects/objectVariables.h"
#include "objects/propertyVariables.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tPseudoVarDesc.h"
#include "values/tLogoString.h"
#include "values/upperCaseText.h"
#include "values/valuePools.h"

namespace {

thread_local tLogoRef<tLogoList> pendingPairs;

bool isWordText(tlogoobject* element, std::string_view text)
{
    return element->IsWord() && !element->IsNumber() && element->WordText() == text;
}

// The rest of a list from a position on, for error reports.
tlogoobject* restFrom(tLogoList* list, int32_t index)
{
    tLogoList* rest = list;
    for (int32_t i = 0; i < index && rest && !rest->IsEmpty(); ++i) rest = rest->rest;
    return rest;
}

tLogoRef<tlogoobject> evaluateGroup(tListBuilder& group)
{
    tLogoRef<tLogoList> expression(group.Take());
    return EvaluateList(CompiledForm(expression.get(), tCompiledForm::kInstructions));
}

// Takes the first pair whose name matches out of the list; none when no pair does.
tLogoRef<tlogoobject> takePair(tLogoRef<tLogoList>& pairs, const std::function<bool(tlogoobject*)>& matches)
{
    if (!pairs) return {};
    std::vector<tlogoobject*> items;
    for (tlogoobject* element : elements(pairs.get())) items.push_back(element);
    for (size_t i = 0; i + 1 < items.size(); i += 2) {
        if (!matches(items[i])) continue;
        tLogoRef<tlogoobject> value(items[i + 1]);
        tListBuilder kept;
        for (size_t k = 0; k < items.size(); ++k)
            if (k != i && k != i + 1) kept.Append(items[k]);
        pairs = tLogoRef<tLogoList>(kept.Take());
        return value;
    }
    return {};
}

tLogoLocaltab& locals() { return *currentContext()->localTable; }

tLogoRef<tLogoList> creationList()
{
    tlogoobject* list = locals().FindValue(creationListCode());
    if (!list || !list->IsList()) return {};
    return tLogoRef<tLogoList>(static_cast<tLogoList*>(list));
}

tLogoRef<tlogoobject> takeFromCreationList(int32_t number)
{
    tLogoRef<tLogoList> list = creationList();
    tLogoRef<tlogoobject> value =
        takePair(list, [&](tlogoobject* name) { return name->IsWord() && isPropertyWord(number, name->WordText()); });
    if (value) locals().Define(creationListCode(), list.get(), 0);
    return value;
}

tLogoRef<tlogoobject> takeFromPending(int32_t number)
{
    const std::vector<std::string>& synonyms = propertyNames(number).synonyms;
    return takePair(pendingPairs, [&](tlogoobject* name) {
        if (!name->IsWord()) return false;
        for (const std::string& synonym : synonyms)
            if (name->WordText() == upperCaseText(synonym)) return true;
        return false;
    });
}

}  // namespace

void forEachPropertyPair(tlogoobject* input, const std::function<void(tlogoobject* name, tlogoobject* value)>& take)
{
    if (!input || !input->IsList()) throw eLogoException(erExpectList, input);
    auto* list = static_cast<tLogoList*>(input);
    std::vector<tlogoobject*> items;
    for (tlogoobject* element : elements(list)) items.push_back(element);

    for (size_t i = 0; i < items.size();) {
        const size_t nameAt = i;
        auto fail = [&] { throw eLogoException(erBadStructure, restFrom(list, static_cast<int32_t>(nameAt))); };
        if (!items[i]->IsWord() || i + 1 >= items.size()) fail();
        tlogoobject* name = items[i++];
        tlogoobject* value = items[i++];
        if (isWordText(value, "(")) {
            tListBuilder group;
            for (int depth = 1;; ++i) {
                if (i >= items.size()) fail();
                if (isWordText(items[i], "(")) ++depth;
                if (isWordText(items[i], ")") && --depth == 0) break;
                group.Append(items[i]);
            }
            ++i;
            take(name, evaluateGroup(group).get());
        } else if (value->IsWord() && !value->IsNumber() && value->WordText().starts_with(':')) {
            tListBuilder group;
            group.Append(value);
            take(name, evaluateGroup(group).get());
        } else {
            take(name, value);
        }
    }
}

tLogoRef<tLogoList> normalizePropertyList(tlogoobject* input)
{
    tListBuilder pairs;
    forEachPropertyPair(input, [&](tlogoobject* name, tlogoobject* value) {
        pairs.Append(name);
        pairs.Append(value);
    });
    return tLogoRef<tLogoList>(pairs.Take());
}

uint32_t creationListCode() { return nameCode(primaryWord("name", "initList")); }

tPendingPropertiesScope::tPendingPropertiesScope(tLogoList* pairs) : previous_(std::move(pendingPairs))
{
    pendingPairs = tLogoRef<tLogoList>(pairs);
}

tPendingPropertiesScope::~tPendingPropertiesScope() { pendingPairs = std::move(previous_); }

tLogoRef<tlogoobject> takeCreationValue(int32_t number)
{
    if (pendingPairs)
        if (tLogoRef<tlogoobject> value = takeFromPending(number)) return value;
    return takeFromCreationList(number);
}

tLogoRef<tlogoobject> creationValueOrDefault(tmultiobject& object, int32_t number)
{
    if (tLogoRef<tlogoobject> value = takeCreationValue(number)) return value;
    tmultiobject* kindClass = object.FirstParent();
    if (!kindClass || !kindClass->varTable) return {};
    tTabDesc* entry = kindClass->varTable->Lookup(propertyNames(number).getterCode);
    return entry ? tLogoRef<tlogoobject>(entry->Value()) : tLogoRef<tlogoobject>();
}

int takeCreationAlternative(const std::vector<int32_t>& numbers, tLogoRef<tlogoobject>& value)
{
    int winner = -1;
    for (size_t i = 0; i < numbers.size(); ++i) {
        tLogoRef<tlogoobject> given = takeCreationValue(numbers[i]);
        if (given && winner < 0) {
            winner = static_cast<int>(i);
            value = std::move(given);
        }
    }
    return winner;
}

tLogoRef<tlogoobject> creationParameter(uint32_t code, bool remove)
{
    tLogoRef<tLogoList> list = creationList();
    tLogoRef<tLogoList> kept = list;
    tLogoRef<tlogoobject> value =
        takePair(kept, [&](tlogoobject* name) { return name->IsWord() && name->NameCode() == code; });
    if (value && remove) locals().Define(creationListCode(), kept.get(), 0);
    return value;
}

void applyParamsToMove(tmultiobject& object, const std::vector<int32_t>& order)
{
    for (int32_t number : order)
        if (tLogoRef<tlogoobject> value = creationValueOrDefault(object, number))
            assignObjectVariable(object, propertyNames(number).getterCode, value.get());
}

void applyCreationLeftovers(tmultiobject& object)
{
    tLogoRef<tLogoList> list = creationList();
    if (list) applyPropertyPairs(object, list.get());
}

tLogoRef<tLogoList> namedPropertyPairs(tlogoobject* stored)
{
    if (!stored || !stored->IsList()) throw eLogoException(erExpectList, stored);
    auto* list = static_cast<tLogoList*>(stored);
    tListBuilder pairs;
    int32_t index = 0;
    for (tLogoList* cell = list; cell && cell->first; cell = cell->rest, index += 2) {
        tlogoobject* key = cell->first;
        if (!cell->rest || !cell->rest->first || !key->IsWord())
            throw eLogoException(erBadStructure, restFrom(list, index));
        if (key->IsNumber()) {
            const tPropertyNames& names = propertyNames(key->AsInteger());
            if (names.synonyms.empty() || key->WordText() != std::to_string(key->AsInteger()))
                throw eLogoException(erNoProperty, key);
            pairs.Append(NewWord(names.synonyms.front()));
        } else {
            pairs.Append(key);
        }
        cell = cell->rest;
        pairs.Append(cell->first);
    }
    return tLogoRef<tLogoList>(pairs.Take());
}

tLogoRef<tlogoobject> propertyPairValue(tLogoRef<tLogoList>& pairs, int32_t number, bool take)
{
    if (take)
        return takePair(pairs, [&](tlogoobject* name) { return name->IsWord() && isPropertyWord(number, name->WordText()); });
    for (tLogoList* cell = pairs.get(); cell && cell->first && cell->rest; cell = cell->rest->rest)
        if (cell->first->IsWord() && isPropertyWord(number, cell->first->WordText()))
            return tLogoRef<tlogoobject>(cell->rest->first);
    return {};
}

void runCreation(tmultiobject& object, tLogoList* properties, const std::function<void()>& kindSteps)
{
    runCreationWith(object, properties ? normalizePropertyList(properties) : tLogoRef<tLogoList>(new tLogoList),
                    kindSteps);
}

void runCreationWith(tmultiobject& object, tLogoRef<tLogoList> pairs, const std::function<void()>& kindSteps)
{
    giveInstanceProperties(object);
    tProcessContext& process = *currentContext();
    const uint32_t code = creationListCode();
    process.stack.push(pairs.get());
    process.localTable->OpenFrame(&code, 1, process.stack);
    process.PushAskInto(&object);
    try {
        kindSteps();
        applyCreationLeftovers(object);
    } catch (...) {
        process.localTable->CloseFrame();
        process.PopAsk();
        throw;
    }
    process.localTable->CloseFrame();
    process.PopAsk();
}

void applyPropertyPairs(tmultiobject& object, tlogoobject* pairs)
{
    forEachPropertyPair(pairs, [&](tlogoobject* name, tlogoobject* value) {
        const std::string& word = name->WordText();
        if (isPropertyWord(property::kName, word) || isPropertyWord(property::kPreferredName, word)) return;
        const uint32_t code = nameCode(word);
        if (dynamic_cast<tPseudoVarDesc*>(object.FindVariable(code)))
            assignObjectVariable(object, code, value);
        else
            giveOwnVariable(object, code, value, tVariableSharing::kOwn);
    });
}
