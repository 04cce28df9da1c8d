#pragma once

#include <cstdint>
#include <utility>

#include "values/poppedInputs.h"
#include "values/tProcDesc.h"

// Value methods: entries of the value-class tables (and of object kinds) reached only through
// receiver dispatch. Called any other way they fail erInternExecuteF.
class tPasProcRoot : public tProcDesc {
public:
    tPasProcRoot(uint32_t code, uint8_t binding, int32_t furtherInputs);

    // Pops the further inputs, calls the class operation on the receiver, pushes the result.
    virtual void ExecuteOn(tLogoStack& stack, int n, tlogoobject* receiver) = 0;

private:
    static void OutsideDispatchEntry(void* self, tLogoStack& stack, int n);
    static void MethodEntry(void* self, tLogoStack& stack, int n, tlogoobject* receiver);
};

template <class Result, int N, class Indices = std::make_index_sequence<N>>
class tPasFixedProcDesc;

template <class Result, int N, std::size_t... I>
class tPasFixedProcDesc<Result, N, std::index_sequence<I...>> : public tPasProcRoot {
public:
    using Operation = Result (*)(tlogoobject& receiver, decltype((void)I, static_cast<tlogoobject*>(nullptr))...);

    tPasFixedProcDesc(uint32_t code, uint8_t binding, Operation operation)
        : tPasProcRoot(code, binding, N), classOperation(operation)
    {
    }
    void ExecuteOn(tLogoStack& stack, int, tlogoobject* receiver) override
    {
        tPoppedInputs<N> inputs(stack);
        stack.push(wrapResult(classOperation(*receiver, inputs.values[I].get()...)));
    }

    Operation classOperation;
};

class tPasProcDesc0p : public tPasFixedProcDesc<tlogoobject*, 0> {
public:
    using tPasFixedProcDesc::tPasFixedProcDesc;
};
class tPasProcDesc1p : public tPasFixedProcDesc<tlogoobject*, 1> {
public:
    using tPasFixedProcDesc::tPasFixedProcDesc;
};
class tPasProcDesc2p : public tPasFixedProcDesc<tlogoobject*, 2> {
public:
    using tPasFixedProcDesc::tPasFixedProcDesc;
};
class tPasProcDesc0b : public tPasFixedProcDesc<bool, 0> {
public:
    using tPasFixedProcDesc::tPasFixedProcDesc;
};
class tPasProcDesc1b : public tPasFixedProcDesc<bool, 1> {
public:
    using tPasFixedProcDesc::tPasFixedProcDesc;
};
class tPasProcDesc0i : public tPasFixedProcDesc<int32_t, 0> {
public:
    using tPasFixedProcDesc::tPasFixedProcDesc;
};
class tPasProcDesc1i : public tPasFixedProcDesc<int32_t, 1> {
public:
    using tPasFixedProcDesc::tPasFixedProcDesc;
};
