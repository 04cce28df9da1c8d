#include "processes/tSpecialProcess.h"

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/tProcDesc.h"

#include <filesystem>
#include <system_error>

tProcDesc& tSpecialProcess::Primitive(const char* key)
{
    tProcessContext& context = *Context();
    uint32_t keyCode = nameCode(primaryName(key));
    int level = 0;
    tProcDesc* primitive = context.currentObject != nullptr ? context.currentObject->LookupMethod(keyCode, level) : nullptr;
    if (primitive == nullptr)
        throw eLogoException(erDoNotKnowHowTo, tCulpritName{keyCode});
    return *primitive;
}

tLogoRef<tlogoobject> tSpecialProcess::RunOperation(const char* key, std::initializer_list<tlogoobject*> inputs)
{
    tProcDesc& primitive = Primitive(key);
    tLogoStack& stack = Context()->stack;
    for (tlogoobject* input : inputs) stack.push(input);
    primitive.CallOperation(stack, static_cast<int>(inputs.size()));
    return tLogoRef<tlogoobject>::adopt(stack.popRaw());
}

void tSpecialProcess::RunPrimitiveOnCode(const char* key)
{
    tProcDesc& primitive = Primitive(key);
    tProcessContext& context = *Context();
    context.stack.push(code.get());
    primitive.CallCommand(context.stack, 1);
    context.stack.expectNone();
}

void tLoadProcess::RunOnce()
{
    const std::string& fileName = code->WordText();
    std::error_code ignored;
    if (fileName.starts_with('*') || std::filesystem::exists(fileName, ignored))
        RunPrimitiveOnCode("load");
    RequestStop();
}

void tdotLoadProcess::RunOnce()
{
    RunPrimitiveOnCode(".load");
    RequestStop();
}
