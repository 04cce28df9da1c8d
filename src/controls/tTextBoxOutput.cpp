#include "controls/tTextBoxOutput.h"

#include "controls/tLogoControl.h"
#include "controls/tLogoControlParams.h"

void tTextBoxOutput::Write(std::string_view text)
{
    textBox_->Change([text](tSimpleControlState& state) { state.text.append(text); });
}

std::unique_ptr<tTextOutput> tTextBoxOutput::Open(tmultiobject& object)
{
    auto* control = dynamic_cast<tLogoControl*>(&object);
    if (!control || !control->isInstance) return nullptr;
    std::shared_ptr<tLogoControlParams> params = control->SharedParams();
    if (params->State().kind != tSimpleControlKind::kTextBox) return nullptr;
    return std::make_unique<tTextBoxOutput>(std::move(params));
}
