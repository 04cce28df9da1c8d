#include "controls/tLogoControl.h"

#include <string_view>
#include <tuple>

#include "controls/controlKinds.h"
#include "controls/toolBars.h"
#include "controls/controlGeometry.h"
#include "controls/pickedPages.h"
#include "controls/pickerProperties.h"
#include "objects/creationList.h"
#include "objects/objectProperties.h"
#include "turtle/colours/colourTables.h"
#include "turtle/controlProperties.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"

namespace {

// What a learner gets without giving a size: room for a few words, a caption, a short track.
struct tDefaultSize {
    int width;
    int height;
};
tDefaultSize defaultSize(tSimpleControlKind kind)
{
    switch (kind) {
    case tSimpleControlKind::kTextBox: return {150, 80};
    case tSimpleControlKind::kButton: return {80, 26};
    case tSimpleControlKind::kSwitch: return {100, 22};
    case tSimpleControlKind::kSlider: return {150, 24};
    case tSimpleControlKind::kToolButton: return {28, 28};
    case tSimpleControlKind::kSeparator: return {8, 28};
    case tSimpleControlKind::kColourButton: return {40, 26};
    case tSimpleControlKind::kColourSlider: return {150, 24};
    case tSimpleControlKind::kWidthSwitch: return {80, 26};
    case tSimpleControlKind::kMelodyButton: return {80, 26};
    case tSimpleControlKind::kPageSwitch: return {300, 26};
    }
    return {80, 26};
}

// Where a picker starts: a colour slider at the plain red, a width switch at the thinnest pen.
void startPicker(tSimpleControlState& state)
{
    if (state.kind == tSimpleControlKind::kColourSlider) {
        state.minimum = 1;
        state.maximum = kShadeCount;
        state.value = kPlainShade;
        for (size_t row = 0; row < kShadeRows.size(); ++row)
            if (std::string_view(kShadeRows[row].key) == "red") state.shadeRow = static_cast<int>(row);
    }
    if (state.kind == tSimpleControlKind::kWidthSwitch) {
        state.minimum = 1;
        state.maximum = kWidestPickedPen;
        state.value = 1;
    }
}

}  // namespace

tLogoControlParams& tLogoControl::Params() { return *SharedParams(); }

std::shared_ptr<tLogoControlParams> tLogoControl::SharedParams()
{
    if (!params_) {
        const tLogoFinalControlPrototype* kindClass = controlKindClassOf(*this);
        if (!kindClass) throw eLogoException(erInitGraphic);
        params_ = std::make_shared<tLogoControlParams>(kindClass->kind, this);
    }
    return params_;
}

void tLogoControl::Change(const std::function<void(tSimpleControlState&)>& change)
{
    tgrScreen* ground = place ? screenOf(*place) : nullptr;
    Params().Change([&](tSimpleControlState& state) {
        state.ground = ground;
        change(state);
    });
}

void tLogoControl::MakeVisualPart()
{
    tgrScreen* surface = place ? screenOf(*place) : nullptr;
    if (!surface) throw eLogoException(erInvalidPlace, place);
    const tDefaultSize fallback = defaultSize(Params().State().kind);
    int width = fallback.width;
    int height = fallback.height;
    if (tLogoRef<tlogoobject> size = takeCreationValue(property::kSize)) std::tie(width, height) = controlSides(size.get());
    if (tLogoRef<tlogoobject> given = takeCreationValue(property::kWidth)) width = controlSide(given.get());
    if (tLogoRef<tlogoobject> given = takeCreationValue(property::kHeight)) height = controlSide(given.get());
    tLogoRef<tlogoobject> corner;
    const int which = takeCreationAlternative({property::kAPos, property::kPos}, corner);
    const tPixelPoint at = which < 0 ? firstFreeCorner(*this)
                                     : which == 0 ? pixelPointOf(corner.get()) : placePixelsOf(*surface, corner.get());
    tLogoRef<tlogoobject> shown = takeCreationValue(property::kShown);
    const bool visible = shown ? shown->AsBoolean() : true;
    setControlShown(*this, visible);
    Change([&](tSimpleControlState& state) {
        state.left = at.x;
        state.top = at.y;
        state.width = width;
        state.height = height;
        state.shown = visible;
        // A button or switch without a caption shows its name, so a new one is never blank.
        if (state.kind == tSimpleControlKind::kButton || state.kind == tSimpleControlKind::kSwitch ||
            state.kind == tSimpleControlKind::kToolButton || state.kind == tSimpleControlKind::kMelodyButton)
            state.text = name;
        startPicker(state);
    });
    if (Params().State().kind == tSimpleControlKind::kPageSwitch) ShowPages();
}

void tLogoControl::Withdraw()
{
    if (params_) params_->Withdraw();
}

void tLogoControl::CreationCompleted() { Params().Announce(); }

void tLogoControl::ShowPages()
{
    std::vector<std::string> pages = windowPagesAround(*this);
    std::string shown = pageShownAround(*this);
    Change([&](tSimpleControlState& state) {
        state.pages = std::move(pages);
        state.shownPage = std::move(shown);
    });
}

tlogoobject* tLogoControl::Controlled() { return controlled_ ? controlled_.get() : new tLogoList; }

void tLogoControl::SetControlled(tlogoobject* objects) { controlled_ = objects; }

tControlObject* tLogoControl::Make(tLogoStack& stack, const std::string& name) { return new tLogoControl(&stack, name, 1); }

tLogoControl& controlOf(tmultiobject& object)
{
    auto* control = dynamic_cast<tLogoControl*>(&object);
    if (!control) throw eLogoException(erInitGraphic);
    return *control;
}
