#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "processes/tLogoprocess.h"
#include "processes/tSyncEvent.h"

class tCommandLines;

// The typed-command runner: a process in the main object that first loads the given files
// (their text run line by line, definitions collected) and then reads lines through its
// commander until the commander ends the input (by raising the
// termination exception from ReadLine). Its creator opens a frame in its local table,
// so "local" and "for" work at the command line. A stop ("stopall", "stopme", "cancel")
// ends the line it runs, not the runner: the next line still runs.
class tCommandRunner : public tLogoprocess {
public:
    tCommandRunner(tProcessStart start, std::vector<std::string> files);

    void RunOnce() override;
    // Once the program is closing, a stop ends the runner too: no further line runs.
    bool OutlivesStops() const override;
    void Stop() override;
    void WaitUntilStopped() override;

private:
    void Load(const std::string& path);
    // None when the commander's input has ended.
    std::optional<std::string> NextLine();
    // Hands one line to `lines`; a stop meant for an earlier line is taken back first.
    void Feed(tCommandLines& lines, const std::string& line);

    std::vector<std::string> files_;
    // Each line has its own end event, so that whoever stopped a line waits for that line's
    // end and never for a later line, which might be waiting for the stopper.
    std::mutex lineGuard_;
    std::shared_ptr<tSyncEvent> lineEnd_;         // of the line running now; none between lines
    std::shared_ptr<tSyncEvent> stoppedLineEnd_;  // of the line the last stop was meant for
};
