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
    void ShowError(const std::exception& error) override
    {
        std::lock_guard<std::mutex> hold(guard);
        shown.emplace_back(error.what());
        if (auto* logoError = dynamic_cast<const eLogoException*>(&error)) {
            kinds.push_back(logoError->contextKind);
            places.push_back(logoError->procedureName);
            keys.push_back(logoError->key);
        }
        lastAbortedFirst = aborts > 0;
        aborts = 0;
    }
    void Print(const std::string& text) override {}
    std::string ReadLine() override { return {}; }
    void Abort() override { ++aborts; }

    std::vector<std::string> Shown()
    {
        std::lock_guard<std::mutex> hold(guard);
        return shown;
    }

    std::vector<tInprocType> Kinds()
    {
        std::lock_guard<std::mutex> hold(guard);
        return kinds;
    }

    std::vector<std::string> Places()
    {
        std::lock_guard<std::mutex> hold(guard);
        return places;
    }

    std::vector<int> Keys()
    {
        std::lock_guard<std::mutex> hold(guard);
        return keys;
    }

    std::atomic<bool> lastAbortedFirst{false};

private:
    std::mutex guard;
    std::vector<std::string> shown;
    std::vector<tInprocType> kinds;
    std::vector<int> keys;
    std::vector<std::string> places;
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
