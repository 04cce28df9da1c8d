#include "mainobj/tCommandRunner.h"

#include <fstream>
#include <sstream>

#include "mainobj/tCommandLines.h"
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
    while (std::optional<std::string> line = NextLine()) lines.Feed(*line);
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
        lines.Feed(line);
    }
    lines.Finish();
}
