#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "mainobj/tTextOutput.h"
#include "processes/tCommander.h"

// What a piece of the output area's text is: printed by Logo, an error, or a typed line
// echoed back.
enum class tOutputKind { kPrinted, kError, kTyped };

struct tOutputPiece {
    tOutputKind kind;
    std::string text;
};

// The command area's commander: the runner reads the lines typed in the window, and reports,
// errors and printed text go to the output area. Processes write from their own threads; the
// pieces are gathered and handed to the window thread in batches, so a printing loop costs one
// hand-over per batch instead of one per line.
class tWindowCommander : public tCommander {
public:
    // Receives the gathered pieces on the window thread, in the order they were written.
    using tSink = std::function<void(const std::vector<tOutputPiece>& pieces)>;
    explicit tWindowCommander(tSink sink);

    // A Logo error as the output shows it: where it happened, when inside something, then
    // its message with its parts on separate lines.
    void ShowError(const std::exception& error) override;
    void Print(const std::string& text) override;
    // Waits for a typed line; raises the termination exception once the window closed.
    std::string ReadLine() override;
    void Abort() override {}

    // From the window thread: a line typed in the command area.
    void TypeLine(std::string line);
    // The window is going: no line comes any more (the runner's wait ends) and text written
    // later is dropped. On the window thread.
    void Detach();
    // Adds text to the output area; from any thread.
    void Write(tOutputKind kind, std::string_view text);

private:
    void Flush();

    tSink sink_;
    std::mutex inputGuard_;
    std::condition_variable lineTyped_;
    std::deque<std::string> lines_;
    bool inputClosed_ = false;

    std::mutex outputGuard_;
    std::vector<tOutputPiece> pending_;
};

// "print" and its family while no other stream is selected: into the output area.
class tWindowPrintOutput : public tTextOutput {
public:
    explicit tWindowPrintOutput(std::shared_ptr<tWindowCommander> commander) : commander_(std::move(commander)) {}
    void Write(std::string_view text) override { commander_->Write(tOutputKind::kPrinted, text); }

private:
    std::shared_ptr<tWindowCommander> commander_;
};
