#pragma once

#include <exception>
#include <memory>
#include <string>

// What a process reports through and reads from: the command area, the start-up sequence,
// the console, or message boxes when nothing else is there. A process keeps the commander its
// creator gave; the processes a program launches inherit their launcher's.
class tCommander {
public:
    virtual ~tCommander() = default;

    // An error (or any other exception) that ended the process's work.
    virtual void ShowError(const std::exception& error) = 0;
    virtual void Print(const std::string& text) = 0;
    // One line of input; fails with a Logo error when there is nowhere to read from.
    virtual std::string ReadLine() = 0;
    // Ends a pending ReadLine; called before an error is shown.
    virtual void Abort() = 0;
};

// The commander of processes that are given none (events, menus). The program installs the
// message-box commander of the window, or the console's.
void setDefaultCommander(std::shared_ptr<tCommander> commander);
std::shared_ptr<tCommander> defaultCommander();
