#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "processes/tCommander.h"

// The commander of the start-up loaders: an error is not shown when it happens but kept, so
// that the start-up sequence shows it once under its own caption and stops. Printed text and
// input go to the commander the program shows everything else through.
class tstartingcommander : public tCommander {
public:
    explicit tstartingcommander(std::shared_ptr<tCommander> others) : others(std::move(others)) {}

    // Keeps the error's text: for a Logo error raised in a procedure, the procedure's name,
    // ": " and the message with its parts a blank line apart; otherwise the message alone.
    void ShowError(const std::exception& error) override;
    void Print(const std::string& text) override;
    std::string ReadLine() override;
    void Abort() override;

    // The kept text; empty when no error happened.
    std::string ErrorText() const;

private:
    std::shared_ptr<tCommander> others;
    mutable std::mutex guard;
    std::string errorText;
};
