#pragma once

#include "processes/tLogoprocess.h"

// The processes programs start themselves: "launch" runs its code once; "forever" runs it
// again and again, giving the processor away after each pass; "every" waits its interval
// after each run, "after" waits once before its only run. Their name value (a word or the
// code itself) is what "allprocesses" lists.
class tLogouserProcess : public tLogoprocess {
public:
    tLogouserProcess(tProcessStart start, tLogoRef<tlogoobject> nameValue)
        : tLogoprocess(std::move(start)), nameValue(std::move(nameValue))
    {
    }

    tlogoobject* NameValue() const { return nameValue.get(); }
    void ReleaseLogoValues() override { nameValue = nullptr; }

private:
    tLogoRef<tlogoobject> nameValue;
};

class tLogoForeverProcess : public tLogouserProcess {
public:
    using tLogouserProcess::tLogouserProcess;
    void RunOnce() override;
};

// "every" and "after": an interval in milliseconds, converted by the creator from the
// elapse unit.
class tLogoIntervalProcess : public tLogouserProcess {
public:
    tLogoIntervalProcess(tProcessStart start, tLogoRef<tlogoobject> nameValue, uint32_t interval)
        : tLogouserProcess(std::move(start), std::move(nameValue)), interval(interval)
    {
    }

protected:
    const uint32_t interval;
};

class tLogoEveryProcess : public tLogoIntervalProcess {
public:
    using tLogoIntervalProcess::tLogoIntervalProcess;
    void RunOnce() override;
};

class tLogoAfterProcess : public tLogoIntervalProcess {
public:
    using tLogoIntervalProcess::tLogoIntervalProcess;
    void RunOnce() override;
};
