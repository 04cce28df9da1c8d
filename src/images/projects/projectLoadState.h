#pragma once

#include <string_view>
#include <vector>

#include "images/tLogoImage.h"
#include "values/tLogoRef.h"

// What the instructions of a running project load can reach: its numbered image table and the
// name-value pairs it was given. A load inside a load has its own and gives the outer one back
// when it ends.

using tImageTable = std::vector<tLogoRef<tLogoImage>>;

class tRunningLoad {
public:
    // `parameters`: a list of names and values, or none.
    explicit tRunningLoad(tlogoobject* parameters);
    ~tRunningLoad();
    tRunningLoad(const tRunningLoad&) = delete;
    tRunningLoad& operator=(const tRunningLoad&) = delete;

private:
    struct tSaved;
    tSaved* saved;
};

bool loadRunning();
void setLoadImages(tImageTable images);
// Image n (1-based) of the table; 0, a number beyond it, or no load running give the default
// turtle image.
tLogoImage* loadImage(int64_t n);
// The value paired with `name` in the parameters, none when absent.
tLogoRef<tlogoobject> loadParameter(std::string_view name);
