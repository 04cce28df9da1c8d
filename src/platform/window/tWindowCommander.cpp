#include "platform/window/tWindowCommander.h"

#include "interpreter/ErrorMessages.h"
#include "processes/tWindowThread.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"

tWindowCommander::tWindowCommander(tSink sink) : sink_(std::move(sink)) {}

void tWindowCommander::ShowError(const std::exception& error)
{
    Write(tOutputKind::kError, ErrorReportText(error) + "\n");
}

void tWindowCommander::Print(const std::string& text) { Write(tOutputKind::kPrinted, text + "\n"); }

std::string tWindowCommander::ReadLine()
{
    std::unique_lock<std::mutex> hold(inputGuard_);
    lineTyped_.wait(hold, [this] { return inputClosed_ || !lines_.empty(); });
    if (lines_.empty()) throw eTerminateException(0);
    std::string line = std::move(lines_.front());
    lines_.pop_front();
    return line;
}

void tWindowCommander::TypeLine(std::string line)
{
    {
        std::lock_guard<std::mutex> hold(inputGuard_);
        lines_.push_back(std::move(line));
    }
    lineTyped_.notify_one();
}

void tWindowCommander::Detach()
{
    {
        std::lock_guard<std::mutex> hold(inputGuard_);
        inputClosed_ = true;
    }
    lineTyped_.notify_all();
    sink_ = nullptr;
}

void tWindowCommander::Write(tOutputKind kind, std::string_view text)
{
    if (text.empty()) return;
    bool first;
    {
        std::lock_guard<std::mutex> hold(outputGuard_);
        first = pending_.empty();
        if (!first && pending_.back().kind == kind)
            pending_.back().text.append(text);
        else
            pending_.push_back({kind, std::string(text)});
    }
    // Only the piece that starts a batch hands it over; later ones join it until it is shown.
    if (!first) return;
    if (tWindowThread* window = windowThread())
        window->Post([this] { Flush(); });
    else
        Flush();
}

void tWindowCommander::Flush()
{
    std::vector<tOutputPiece> pieces;
    {
        std::lock_guard<std::mutex> hold(outputGuard_);
        pieces.swap(pending_);
    }
    if (!pieces.empty() && sink_) sink_(pieces);
}
