#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// Where "print" and its family write: a file, the clipboard buffer, or the console.
class tTextOutput {
public:
    virtual ~tTextOutput() = default;
    virtual void Write(std::string_view text) = 0;
    // Hands over what was written (the clipboard takes its text here).
    virtual void Close() {}
};

// A C stream: the console's standard output, or a file this object opened and closes.
class tStdioOutput : public tTextOutput {
public:
    // A new file replacing any existing one; fails with the platform's stream error.
    static std::unique_ptr<tStdioOutput> CreateFile(const std::string& path);
    static std::unique_ptr<tStdioOutput> StandardOutput();
    ~tStdioOutput() override;

    void Write(std::string_view text) override;
    void Close() override;

private:
    tStdioOutput(std::FILE* file, bool owned) : file_(file), owned_(owned) {}
    std::FILE* file_;
    bool owned_;
};
