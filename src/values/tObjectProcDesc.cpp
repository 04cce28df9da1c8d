#include "values/tObjectProcDesc.h"

#include "values/tLogoRef.h"
#include "values/tLogoStack.h"

tObjectProc1Desc::tObjectProc1Desc(uint32_t code, uint8_t binding, int32_t inputs, bool variable)
    : tProcDesc(code, inputs, binding, variable)
{
    SetCallEntries(&Entry, this);
}

void tObjectProc1Desc::Entry(void* self, tLogoStack& stack, int n)
{
    static_cast<tObjectProc1Desc*>(self)->tObjectProc1Desc::Execute(stack, n);
}

void tObjectProc1Desc::Execute(tLogoStack& stack, int n)
{
    tlogoobject* receiver = stack.peek(n - 1);
    int level = 0;
    receiver->FindMethod(code, level)->CallMethod(stack, n - 1, receiver);
    stack.removeBelowTop();
}

tObjectProcEndDesc::tObjectProcEndDesc(uint32_t code, uint8_t binding, int32_t inputs, bool variable)
    : tProcDesc(code, inputs, binding, variable)
{
    SetCallEntries(&Entry, this);
}

void tObjectProcEndDesc::Entry(void* self, tLogoStack& stack, int n)
{
    static_cast<tObjectProcEndDesc*>(self)->tObjectProcEndDesc::Execute(stack, n);
}

void tObjectProcEndDesc::Execute(tLogoStack& stack, int n)
{
    auto receiver = tLogoRef<tlogoobject>::adopt(stack.popRaw());
    int level = 0;
    receiver->FindMethod(code, level)->CallMethod(stack, n - 1, receiver.get());
}

tObjectProcNDesc::tObjectProcNDesc(uint32_t code, uint8_t binding, int32_t inputs, int32_t depth)
    : tProcDesc(code, inputs, binding), depth(depth)
{
}

void tObjectProcNDesc::Execute(tLogoStack& stack, int n)
{
    tLogoRef<tlogoobject> receiver(stack.peek(depth));
    stack.removeAt(depth);
    int level = 0;
    receiver->FindMethod(code, level)->CallMethod(stack, n - 1, receiver.get());
}
