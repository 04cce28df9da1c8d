#include "mainobj/tCommandRunner.h"

#include <fstream>
#include <sstream>

#include "mainobj/tCommandLines.h"
#include "processes/programClosing.h"
#include "processes/tInterpreterLock.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"

tCommandRunner::tCommandRunner(tProcessStart start, std::vector<std::string> files)
    : tLogoprocess(std::move(start)), files_(std::move(files))
{
}

void tCommandRunner::RunOnce()
{
    for (const std::string& path : files_) Load(path);
    tCommandLines lines(*commander);
    while (std::optional<std::string> line = NextLine()) Feed(lines, *line);
    lines.Finish();
    // The work is done in one piece: the process ends with its input. Asked any earlier, the
    // stop would end the process at its first list run.
    RequestStop();
}

std::optional<std::string> tCommandRunner::NextLine()
{
    try {
        // Other processes run while the runner waits for a line.
        tInterpreterLock::Releaser waiting;
        return (*commander).ReadLine();
    } catch (const eTerminateException&) {
        // The commander has no more input.
        return std::nullopt;
    }
}

void tCommandRunner::Load(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        (*commander).ShowError(eLogoException(erFileProblem, std::string_view(path)));
        return;
    }
    tCommandLines lines((*commander));
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Feed(lines, line);
    }
    lines.Finish();
}

void tCommandRunner::Feed(tCommandLines& lines, const std::string& line)
{
    auto end = std::make_shared<tSyncEvent>(tSyncEvent::kManualReset, false);
    {
        // A stop that came before this line was meant for an earlier one, unless the program
        // is closing.
        std::lock_guard<std::mutex> hold(lineGuard_);
        if (programClosing())
            throw eTerminateException();
        ForgetStop();
        lineEnd_ = end;
    }
    struct tLineEnd {
        tCommandRunner& runner;
        tSyncEvent& end;
        ~tLineEnd()
        {
            {
                std::lock_guard<std::mutex> hold(runner.lineGuard_);
                runner.lineEnd_ = nullptr;
            }
            end.Set();
        }
    } lineEnd{*this, *end};
    lines.Feed(line);
}

bool tCommandRunner::OutlivesStops() const
{
    return !programClosing();
}

void tCommandRunner::Stop()
{
    std::lock_guard<std::mutex> hold(lineGuard_);
    stoppedLineEnd_ = lineEnd_;
    tLogoprocess::Stop();
}

void tCommandRunner::WaitUntilStopped()
{
    std::shared_ptr<tSyncEvent> end;
    {
        std::lock_guard<std::mutex> hold(lineGuard_);
        end = stoppedLineEnd_;
    }
    if (end)
        WaitFor(*end);
}
