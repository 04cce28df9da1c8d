#pragma once

#include <functional>
#include <memory>
#include <string>

#include "controls/tLogoControlParams.h"
#include "objects/tControlObject.h"
#include "values/tLogoRef.h"

// An instance of a simple control (text box, button, switch, slider), or a class made from one
// of their kinds. It lies on a page or a pane, in that surface's pixels, and its state is kept
// in its graphic part, which the window shows.
class tLogoControl : public tControlObject {
public:
    using tControlObject::tControlObject;

    const char* ClassName() const override { return "tLogoControl"; }
    // Takes its bounds from the creation list ("aPos" or "pos", "size", "width", "height",
    // "shown"), or the kind's default size at the surface's top-left corner; a place that is not
    // a page or a pane fails erInvalidPlace.
    void MakeVisualPart() override;
    // The window shows it from now on.
    void CreationCompleted() override;

    // The graphic part, made on first use with the kind of the control's kind class.
    tLogoControlParams& Params();
    std::shared_ptr<tLogoControlParams> SharedParams();
    // Changes the state, with the surface of the place it lies on brought up to date.
    void Change(const std::function<void(tSimpleControlState&)>& change);

    // A page switch offers the pages of its window again, with the one shown (under the
    // interpreter lock).
    void ShowPages();

    // Whose pens a picker sets: a name, a list of names, or the empty list. Under the
    // interpreter lock.
    tlogoobject* Controlled();
    void SetControlled(tlogoobject* objects);

    // A button's picture as the program gave it (an image, a file name or a drawing list);
    // none when it has none. Under the interpreter lock.
    tlogoobject* Picture() const { return picture_.get(); }
    void SetPicture(tlogoobject* picture) { picture_ = picture; }

    // The object is destroyed: the window takes the control away.
    void Withdraw();

    // What "new" makes for the kind classes.
    static tControlObject* Make(tLogoStack& stack, const std::string& name);

private:
    std::shared_ptr<tLogoControlParams> params_;
    tLogoRef<tlogoobject> controlled_;
    tLogoRef<tlogoobject> picture_;
};

// The control an object is; erInitGraphic when it is none.
tLogoControl& controlOf(tmultiobject& object);
