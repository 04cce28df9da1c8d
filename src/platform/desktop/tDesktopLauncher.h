#pragma once

#include <memory>
#include <string>
#include <vector>

// Starts programs and opens documents and addresses with the programs the desktop associates
// with them. The Qt launcher is installed by default; tests put in their own, so that no browser
// or editor really starts.
class tDesktopLauncher {
public:
    virtual ~tDesktopLauncher() = default;
    // The program (a name found on the search path, or a path) with its arguments, never through a
    // shell, in `folder` when it is not empty; false when it could not be started.
    virtual bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& folder) = 0;
    // An address (a URL, "file:" for local files); false when nothing could take it.
    virtual bool OpenAddress(const std::string& address) = 0;
};

// The strings are the words' bytes; the Qt launcher converts them.
class tQtDesktopLauncher : public tDesktopLauncher {
public:
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& folder) override;
    bool OpenAddress(const std::string& address) override;
};

void installDesktopLauncher(std::shared_ptr<tDesktopLauncher> launcher);
tDesktopLauncher& desktopLauncher();
