#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "processes/tLogoprocess.h"
#include "processes/tSyncEvent.h"

class tCommandLines;
class tLogoTab;
class tmultiobject;

// Where typed lines run: the page the window shows, so that the names a learner sees there
// ("t1", "new" turtles) are found. Asked before every line, so a line runs on whatever page is
// shown by then, starting with the receivers that page remembers; a "tell" typed in a line
// is remembered by the page in turn, for the next lines and for everything else that starts
// with the page's receivers (key menus). Procedures typed without an object prefix are still
// defined in the main object, and "make" still reaches the global variables.
struct tTypedLinePlace {
    std::function<tmultiobject*()> object;  // none (or no function): the process's own object
    std::function<tlogoobject*()> receivers;  // a new list
    std::function<tLogoTab*()> privateTable;
    std::function<void(tlogoobject* receivers)> remember;
};

// Installed once the shown page exists; runners made later take it.
void setTypedLinePlace(tTypedLinePlace place);

// The typed-command runner: a process started in the main object that first loads the given
// files (their text run line by line, as typed lines, definitions collected) and then reads
// lines through its
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
    // Moves the process to the typed-line place before a line, and lets the place remember a
    // "tell" after it.
    void EnterLinePlace();
    void LeaveLinePlace();

    std::vector<std::string> files_;
    tTypedLinePlace place_;
    bool placed_ = false;  // the last line ran at the place
    // Held, so that no other list can take its address: another list after a line means a
    // "tell" ran in it.
    tLogoRef<tlogoobject> installedReceivers_;
    // Each line has its own end event, so that whoever stopped a line waits for that line's
    // end and never for a later line, which might be waiting for the stopper.
    std::mutex lineGuard_;
    std::shared_ptr<tSyncEvent> lineEnd_;         // of the line running now; none between lines
    std::shared_ptr<tSyncEvent> stoppedLineEnd_;  // of the line the last stop was meant for
};
