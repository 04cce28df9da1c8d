#pragma once

#include <functional>
#include <string>

#include "mainobj/editor/editorFront.h"

// The window's editor front: each "edit" opens an editor window on the window thread; its
// "Define" hands the text, line by line, to `typeLine` there, as if the lines were typed.
class tQtEditorFront : public tEditorFront {
public:
    using tTypeLine = std::function<void(std::string line)>;
    explicit tQtEditorFront(tTypeLine typeLine) : typeLine_(std::move(typeLine)) {}
    void Open(const std::string& title, const std::string& text) override;

private:
    tTypeLine typeLine_;
};
