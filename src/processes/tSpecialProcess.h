#pragma once

#include <initializer_list>

#include "processes/tLogoprocess.h"

// The loader processes: their code is a file name word, handed to a primitive of the object
// they run in (the main object unless their creator gave another).
class tSpecialProcess : public tLogoprocess {
public:
    using tLogoprocess::tLogoprocess;

protected:
    // Calls the primitive of that key with the code word as its only input.
    void RunPrimitiveOnCode(const char* key);
    // Calls the operation of that key with the inputs (fresh values, handed over) and gives its
    // output.
    tLogoRef<tlogoobject> RunOperation(const char* key, std::initializer_list<tlogoobject*> inputs);

private:
    // The primitive of that key as the current object finds it; erDoNotKnowHowTo when none.
    tProcDesc& Primitive(const char* key);
};

// Start-up loading: "load" of a built-in file ("*name") or of a file that exists; any other
// name is passed over quietly.
class tLoadProcess : public tSpecialProcess {
public:
    using tSpecialProcess::tSpecialProcess;
    void RunOnce() override;
};

// Opening a project: ".load" of the file name.
class tdotLoadProcess : public tSpecialProcess {
public:
    using tSpecialProcess::tSpecialProcess;
    void RunOnce() override;
};
