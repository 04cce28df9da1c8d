#pragma once

#include "processes/tCommander.h"
#include "processes/tLogoprocess.h"
#include "processes/tallthreads.h"
#include "values/eLogoException.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A process whose work is C++ code standing in for Logo code: the body calls the process's
// yield points where the evaluator would start instruction lists.
class tScriptedProcess : public tLogoprocess {
public:
    using Body = std::function<void(tScriptedProcess&)>;

    tScriptedProcess(tProcessStart start, Body body) : tLogoprocess(std::move(start)), body(std::move(body)) {}

    void RunOnce() override
    {
        body(*this);
        RequestStop();
    }

    // Runs list after list until stopped, counting them.
    static void loopForever(tScriptedProcess& self)
    {
        for (;;) {
            self.YieldAtListRun();
            self.passes.fetch_add(1);
        }
    }

    std::atomic<int> passes{0};

private:
    Body body;
};

// Records what processes report.
class tRecordingCommander : public tCommander {
public:
    struct tReport {
        std::string text;
        int key = -1;  // -1: not a Logo error
        tInprocType kind = ipNone;
        std::string place;  // the procedure or process the error names
    };

    void ShowError(const std::exception& error) override
    {
        tReport report;
        report.text = error.what();
        if (auto* logoError = dynamic_cast<const eLogoException*>(&error))
            report = {error.what(), logoError->key, logoError->contextKind, logoError->procedureName};
        std::lock_guard<std::mutex> hold(guard);
        reports.push_back(std::move(report));
        lastAbortedFirst = aborts > 0;
        aborts = 0;
    }
    void Print(const std::string& text) override {}
    std::string ReadLine() override { return {}; }
    void Abort() override { ++aborts; }

    // One field of every report so far, in order: Each(&tReport::key).
    template <class Field>
    std::vector<Field> Each(Field tReport::*field)
    {
        std::lock_guard<std::mutex> hold(guard);
        std::vector<Field> values;
        for (const tReport& report : reports)
            values.push_back(report.*field);
        return values;
    }

    std::atomic<bool> lastAbortedFirst{false};

private:
    std::mutex guard;
    std::vector<tReport> reports;
    std::atomic<int> aborts{0};
};

inline bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit = std::chrono::seconds(10))
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Ends every process a test left behind, the protected ones included; true when none is left.
inline bool stopEveryProcess()
{
    tallthreads::Instance().ResumeAll();
    for (const auto& process : tallthreads::Instance().Processes())
        process->StopAndWait();
    return tallthreads::Instance().Count() == 0;
}
