#pragma once

#include <memory>

#include "mainobj/tTextOutput.h"

class tLogoControlParams;
class tmultiobject;

// What "printtotextbox" selects: the text printed is added to the end of the text box's text,
// and the window shows it. A text box erased meanwhile takes it without showing it.
class tTextBoxOutput : public tTextOutput {
public:
    explicit tTextBoxOutput(std::shared_ptr<tLogoControlParams> textBox) : textBox_(std::move(textBox)) {}
    void Write(std::string_view text) override;

    // An output onto the object when it is a text box; none otherwise.
    static std::unique_ptr<tTextOutput> Open(tmultiobject& object);

private:
    std::shared_ptr<tLogoControlParams> textBox_;
};
