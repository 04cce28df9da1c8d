#include "images/projects/projectLoadState.h"

#include <mutex>

#include "images/builtInImages.h"
#include "language/Language.h"
#include "values/tLogoList.h"

namespace {

struct tLoadState {
    bool running = false;
    tImageTable images;
    tLogoRef<tlogoobject> parameters;
};

std::mutex stateLock;
tLoadState state;

}  // namespace

struct tRunningLoad::tSaved {
    tLoadState outer;
};

tRunningLoad::tRunningLoad(tlogoobject* parameters) : saved(new tSaved)
{
    std::lock_guard lock(stateLock);
    saved->outer = std::move(state);
    state = tLoadState{true, {}, tLogoRef<tlogoobject>(parameters)};
}

tRunningLoad::~tRunningLoad()
{
    {
        std::lock_guard lock(stateLock);
        state = std::move(saved->outer);
    }
    delete saved;
}

bool loadRunning()
{
    std::lock_guard lock(stateLock);
    return state.running;
}

void setLoadImages(tImageTable images)
{
    std::lock_guard lock(stateLock);
    state.images = std::move(images);
}

tLogoImage* loadImage(int64_t n)
{
    std::lock_guard lock(stateLock);
    if (state.running && n >= 1 && n <= int64_t(state.images.size()))
        return state.images[size_t(n - 1)].get();
    return builtInImage("turtle", ".LGF");
}

tLogoRef<tlogoobject> loadParameter(std::string_view name)
{
    std::lock_guard lock(stateLock);
    if (!state.parameters || !state.parameters->IsList())
        return {};
    // Pairs as two-element lists ([[verbose true] [x 1]]) or one after the other ([verbose true x 1]).
    for (tLogoList* cell = static_cast<tLogoList*>(state.parameters.get()); cell && cell->first; cell = cell->rest) {
        tlogoobject* element = cell->first;
        if (element->IsList()) {
            auto* pair = static_cast<tLogoList*>(element);
            if (pair->first && !pair->first->IsList() && sameWord(pair->first->WordView(), name) && pair->rest &&
                pair->rest->first)
                return tLogoRef<tlogoobject>(pair->rest->first);
            continue;
        }
        tLogoList* valueCell = cell->rest;
        if (!valueCell || !valueCell->first)
            break;
        if (sameWord(element->WordView(), name))
            return tLogoRef<tlogoobject>(valueCell->first);
        cell = valueCell;
    }
    return {};
}
