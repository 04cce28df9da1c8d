#include "MainObjectWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "interpreter/Evaluator.h"
#include "mainobj/startInterpreter.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/objectList.h"
#include "objects/tControlObject.h"
#include "values/eLogoException.h"
#include "values/tLogoStack.h"

namespace {

class tCollectedOutput : public tTextOutput {
public:
    explicit tCollectedOutput(std::string& into) : into_(into) {}
    void Write(std::string_view text) override { into_ += text; }

private:
    std::string& into_;
};

std::vector<uint32_t> codesOf(tLogoTab& table)
{
    std::vector<uint32_t> codes;
    table.ForEachEntry([](void* data, tTabDesc* entry) { static_cast<std::vector<uint32_t>*>(data)->push_back(entry->code); },
                       &codes);
    return codes;
}

// Takes out what a test added to a table of the main object.
void restore(tLogoTab& table, const std::vector<uint32_t>& kept)
{
    for (uint32_t code : codesOf(table))
        if (std::find(kept.begin(), kept.end(), code) == kept.end()) table.Erase(code);
}

}  // namespace

tMainObjectWorld::tMainObjectWorld()
{
    static bool started = [] {
        startInterpreter();
        return true;
    }();
    (void)started;
    tMainLogoObject& main = mainLogoObject();
    context = std::make_unique<tProcessContext>(main.globalVarTable.get(), &main, true);
    scope_ = std::make_unique<tContextScope>(*context);
    main.SelectOutput(std::make_unique<tCollectedOutput>(printed));
    mainVariables_ = codesOf(*main.varTable);
    mainProcedures_ = codesOf(*main.procTable);
}

tMainObjectWorld::~tMainObjectWorld()
{
    tMainLogoObject& main = mainLogoObject();
    main.SelectOutput(nullptr);
    // Every test starts from the main object as start-up made it.
    scope_.reset();
    context.reset();
    restore(*main.objects, {});
    restore(*main.globalVarTable, {});
    restore(*main.varTable, mainVariables_);
    restore(*main.procTable, mainProcedures_);
}

std::string tMainObjectWorld::Run(std::string_view text)
{
    printed.clear();
    RunText(text);
    std::erase(printed, '\r');
    return printed;
}

std::string tMainObjectWorld::ErrorOf(std::string_view text)
{
    try {
        RunText(text);
    } catch (eLogoException& error) {
        return errorConstName(error.key);
    }
    return "none";
}

tControlObject* tMainObjectWorld::Make(std::string_view name, tControlObject* parent, bool instance)
{
    tControlObject* object;
    if (parent) {
        context->stack.push(parent);
        object = new tControlObject(&context->stack, std::string(name), 1);
    } else {
        object = new tControlObject(nullptr, std::string(name), tmultiobject::kOnlyMain);
    }
    object->isInstance = instance;
    object->creationDone = true;
    object->SetUpTables();
    mainLogoObject().Register(object);
    return object;
}
