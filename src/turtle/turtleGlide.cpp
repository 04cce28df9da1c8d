#include "turtle/turtleGlide.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "interpreter/Evaluator.h"
#include "language/Language.h"
#include "objects/tmultiobject.h"
#include "processes/processPrimitives.h"
#include "turtle/tDrawingList.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/moveEvents.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"

namespace {

struct tGlideSettings {
    long double step = 5;
    int32_t wait = 30;
    tLogoRef<tlogoobject> todo;  // run after each step instead of waiting when given
};

tGlideSettings settingsOf(tlogoobject* parameters)
{
    if (!parameters->IsList()) throw eLogoException(erExpectList, parameters);
    std::vector<tlogoobject*> parts;
    for (tlogoobject* part : elements(static_cast<tLogoList*>(parameters))) parts.push_back(part);
    tGlideSettings settings;
    for (size_t i = 0; i < parts.size(); i += 2) {
        tlogoobject* key = parts[i];
        if (!key->IsWord()) throw eLogoException(erExpectWord, key);
        if (i + 1 == parts.size()) throw eLogoException(erBadStructure, key);
        tlogoobject* value = parts[i + 1];
        const std::string& word = key->WordText();
        if (isWord("param", "step", word)) {
            if (!value->IsNumber()) throw eLogoException(erExpectNumber, value);
            settings.step = std::fabs(value->AsReal());
            if (settings.step == 0) settings.step = 1;
        } else if (isWord("param", "wait", word)) {
            if (!value->IsNumber()) throw eLogoException(erExpectNumber, value);
            settings.wait = std::abs(value->AsInteger());
        } else if (isWord("param", "todo", word)) {
            if (!value->IsList()) throw eLogoException(erExpectList, value);
            settings.todo = tLogoRef<tlogoobject>(value);
        } else {
            throw eLogoException(erBadStructure, key);
        }
    }
    return settings;
}

// One leg of the glide: a difference between two points of the path (list coordinates, y up),
// or a lift of the pen before the next leg.
struct tLeg {
    tRealPoint difference;
    bool liftPen = false;
};

std::vector<tLeg> legsOf(tlogoobject* path)
{
    std::vector<tLeg> legs;
    tRealPoint last{0, 0};
    bool first = true;
    for (const std::vector<tRealPoint>& run : drawingListRuns(path)) {
        if (!first) legs.push_back({{}, true});
        first = false;
        for (const tRealPoint& p : run) {
            legs.push_back({{p.x - last.x, p.y - last.y}, false});
            last = p;
        }
    }
    return legs;
}

// Puts the pen back however the glide ends.
struct tPenKeeper {
    tLogoTurtleParams& turtle;
    tPenState kept;
    ~tPenKeeper() { turtle.penState = kept; }
};

}  // namespace

void glideTurtle(tmultiobject& object, tlogoobject* path, tlogoobject* parameters)
{
    if (!path->IsList()) throw eLogoException(erExpectList, path);
    const tGlideSettings settings = settingsOf(parameters);
    const std::vector<tLeg> legs = legsOf(path);
    tLogoTurtleParams& turtle = turtleOf(&object);
    const tPenKeeper keeper{turtle, turtle.penState};
    turtle.penState = tPenState::kUp;
    const tRealPoint along = turtle.Direction();  // sin and cos of the heading at the start
    const long double sinH = along.x, cosH = along.y;

    auto afterStep = [&] {
        if (settings.todo)
            RunInstructions(settings.todo.get());
        else
            waitInProcess(settings.wait);
    };
    long double owed = 0;  // what is left of a step the leg before began
    for (const tLeg& leg : legs) {
        if (leg.liftPen) {
            turtle.penState = tPenState::kUp;
            continue;
        }
        const long double a = leg.difference.x, b = leg.difference.y;
        const long double dx = a * cosH + b * sinH, dy = b * cosH - a * sinH;
        long double left = std::hypot(dx, dy);
        if (left > 0) turtle.TurnTo(headingOf(dx, dy));
        while (left > 0) {
            const long double piece = owed > 0 ? owed : settings.step;
            const long double walked = std::min(piece, left);
            announceMove(object, turtle.Forward(walked));
            left -= walked;
            owed = piece - walked;
            if (owed == 0) afterStep();
        }
        turtle.penState = keeper.kept;
    }
}
