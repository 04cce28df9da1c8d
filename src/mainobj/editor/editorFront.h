#pragma once

#include <memory>
#include <string>

// Where "edit" shows the definitions it gathered: the window's editor. Open returns at once;
// what the learner defines there later goes to the window's command runner, as typed lines do.
class tEditorFront {
public:
    virtual ~tEditorFront() = default;
    // Called on a process's thread; the front hands the work to the window thread itself.
    virtual void Open(const std::string& title, const std::string& text) = 0;
};

// None in the console: "edit" then fails with erZembrixEditor.
void installEditorFront(std::shared_ptr<tEditorFront> front);

// Registers "edit" in the main object.
void startEditor();
