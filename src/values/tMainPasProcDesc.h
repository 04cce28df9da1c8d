#pragma once

#include <cstdint>
#include <utility>

#include "values/poppedInputs.h"
#include "values/tProcDesc.h"

// Descriptors of the main object's primitives: plain routines with a data pointer.

// Any number of inputs (variable allowed): the routine pops its own n inputs and returns the
// result that is pushed.
class tMainPasProcDesc : public tProcDesc {
public:
    using Routine = tlogoobject* (*)(void* data, tLogoStack& stack, int n);
    tMainPasProcDesc(uint32_t code, uint8_t binding, int32_t inputs, Routine routine, void* data = nullptr);
    void Execute(tLogoStack& stack, int n) override;

    Routine routine;
    void* data;
};

// As tMainPasProcDesc, told whether it was called as a command (0) or an operation (1).
class tMainPasProcDescBF : public tProcDesc {
public:
    using Routine = tlogoobject* (*)(void* data, tLogoStack& stack, int n, int asOperation);
    tMainPasProcDescBF(uint32_t code, uint8_t binding, int32_t inputs, Routine routine, void* data = nullptr);
    void Execute(tLogoStack& stack, int n) override;

    Routine routine;
    void* data;

private:
    // Straight to the routine, without the virtual Execute of the default entries.
    static void CommandEntry(void* self, tLogoStack& stack, int n);
    static void OperationEntry(void* self, tLogoStack& stack, int n);
};

template <class Result, class... Inputs>
using tMainRoutine = Result (*)(void* data, Inputs...);

template <class Result, int N, class Indices = std::make_index_sequence<N>>
class tMainFixedProcDesc;

// Fixed arity N: pops the inputs, passes them in input order, wraps and pushes the result.
template <class Result, int N, std::size_t... I>
class tMainFixedProcDesc<Result, N, std::index_sequence<I...>> : public tProcDesc {
public:
    using Routine = Result (*)(void* data, decltype((void)I, static_cast<tlogoobject*>(nullptr))...);

    tMainFixedProcDesc(uint32_t code, uint8_t binding, Routine routine, void* data = nullptr)
        : tProcDesc(code, N, binding), routine(routine), data(data)
    {
    }
    void Execute(tLogoStack& stack, int) override { Run(routine, stack); }

    Routine routine;
    void* data;

protected:
    void Run(Routine chosen, tLogoStack& stack)
    {
        tPoppedInputs<N> inputs(stack);
        stack.push(wrapResult(chosen(data, inputs.values[I].get()...)));
    }
};

class tMainPasProcDesc0p : public tMainFixedProcDesc<tlogoobject*, 0> {
public:
    using tMainFixedProcDesc::tMainFixedProcDesc;
};
class tMainPasProcDesc1p : public tMainFixedProcDesc<tlogoobject*, 1> {
public:
    using tMainFixedProcDesc::tMainFixedProcDesc;
};
class tMainPasProcDesc2p : public tMainFixedProcDesc<tlogoobject*, 2> {
public:
    using tMainFixedProcDesc::tMainFixedProcDesc;
};
class tMainPasProcDesc3p : public tMainFixedProcDesc<tlogoobject*, 3> {
public:
    using tMainFixedProcDesc::tMainFixedProcDesc;
};
class tMainPasProcDesc0b : public tMainFixedProcDesc<bool, 0> {
public:
    using tMainFixedProcDesc::tMainFixedProcDesc;
};
class tMainPasProcDesc1b : public tMainFixedProcDesc<bool, 1> {
public:
    using tMainFixedProcDesc::tMainFixedProcDesc;
};
class tMainPasProcDesc0i : public tMainFixedProcDesc<int32_t, 0> {
public:
    using tMainFixedProcDesc::tMainFixedProcDesc;
};

// Two implementations: the operation entry runs the first, every other entry the second.
template <class Base>
class tMainSplitProcDesc : public Base {
public:
    using Routine = typename Base::Routine;
    tMainSplitProcDesc(uint32_t code, uint8_t binding, Routine asOperation, Routine otherwise, void* data = nullptr)
        : Base(code, binding, otherwise, data), asOperation(asOperation)
    {
        this->operation = {&OperationEntry, this};
    }

    Routine asOperation;

private:
    static void OperationEntry(void* self, tLogoStack& stack, int)
    {
        auto* descriptor = static_cast<tMainSplitProcDesc*>(self);
        descriptor->Run(descriptor->asOperation, stack);
    }
};

class tMainPasProcDesc1pF : public tMainSplitProcDesc<tMainPasProcDesc1p> {
public:
    using tMainSplitProcDesc::tMainSplitProcDesc;
};
class tMainPasProcDesc2pF : public tMainSplitProcDesc<tMainPasProcDesc2p> {
public:
    using tMainSplitProcDesc::tMainSplitProcDesc;
};
class tMainPasProcDesc3pF : public tMainSplitProcDesc<tMainPasProcDesc3p> {
public:
    using tMainSplitProcDesc::tMainSplitProcDesc;
};
