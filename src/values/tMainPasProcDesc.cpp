#include "values/tMainPasProcDesc.h"

tMainPasProcDesc::tMainPasProcDesc(uint32_t code, uint8_t binding, int32_t inputs, Routine routine, void* data)
    : tProcDesc(code, inputs, binding, true), routine(routine), data(data)
{
}

void tMainPasProcDesc::Execute(tLogoStack& stack, int n) { stack.push(routine(data, stack, n)); }

tMainPasProcDescBF::tMainPasProcDescBF(uint32_t code, uint8_t binding, int32_t inputs, Routine routine, void* data)
    : tProcDesc(code, inputs, binding), routine(routine), data(data)
{
    command = {&CommandEntry, this};
    directCommand = {&CommandEntry, this};
    operation = {&OperationEntry, this};
    directOperation = {&OperationEntry, this};
}

void tMainPasProcDescBF::Execute(tLogoStack& stack, int n) { stack.push(routine(data, stack, n, 0)); }

void tMainPasProcDescBF::CommandEntry(void* self, tLogoStack& stack, int n)
{
    auto* descriptor = static_cast<tMainPasProcDescBF*>(self);
    stack.push(descriptor->routine(descriptor->data, stack, n, 0));
}

void tMainPasProcDescBF::OperationEntry(void* self, tLogoStack& stack, int n)
{
    auto* descriptor = static_cast<tMainPasProcDescBF*>(self);
    stack.push(descriptor->routine(descriptor->data, stack, n, 1));
}
