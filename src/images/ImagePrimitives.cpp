#include "images/ImagePrimitives.h"

#include <vector>

#include "images/imageBuilding.h"
#include "images/imageFiles.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"

namespace {

std::vector<tlogoobject*> inputs(tPrimitiveCall& call)
{
    std::vector<tlogoobject*> values;
    for (int i = 0; i < call.count(); ++i) values.push_back(call[i]);
    return values;
}

tlogoobject* image(tPrimitiveCall& call) { return concatenatedImage(inputs(call)); }
tlogoobject* emptyImage(tPrimitiveCall&) { return new tLogoImage; }
tlogoobject* toAnimFilm(tPrimitiveCall& call) { return animationFilm(inputs(call)); }
tlogoobject* toFrames(tPrimitiveCall& call) { return separateFrames(inputs(call)); }

tlogoobject* loadImage(tPrimitiveCall& call) { return loadImageNamed(call.word(0), ".LGF"); }
tlogoobject* loadBitmap(tPrimitiveCall& call) { return loadImageNamed(call.word(0), ".BMP"); }

tlogoobject* loadImageList(tPrimitiveCall& call)
{
    if (call.count() < 1) throw eLogoException(erNotEnoughInputs);
    if (call.count() > 2) throw eLogoException(erTooManyInputs);
    const std::string& name = call.word(0);
    if (call.count() == 2) {
        if (!call[1]->IsNumber()) throw eLogoException(erExpectNumber, call[1]);
        if (call[1]->AsReal() == 0) {
            tListBuilder icon;
            if (tLogoImage* picture = loadIconNamed(name)) icon.Append(picture);
            return icon.Take();
        }
    }
    tListBuilder list;
    for (const tLogoRef<tLogoImage>& each : loadImageListNamed(name)) list.Append(each.get());
    return list.Take();
}

tlogoobject* saveImage(tPrimitiveCall& call)
{
    saveImageNamed(call.word(0), call[1], tSaveMode::save);
    return nullptr;
}

tlogoobject* saveBitmap(tPrimitiveCall& call)
{
    saveImageNamed(call.word(0), call[1], tSaveMode::saveBitmap);
    return nullptr;
}

tlogoobject* appendImage(tPrimitiveCall& call)
{
    saveImageNamed(call.word(0), call[1], tSaveMode::append);
    return nullptr;
}

const tPrimitiveRow kImageRows[] = {
    {"image", 2, kVariableInputs, &image},
    {"emptyimage", 0, kFixedInputs, &emptyImage},
    {"toanimfilm", 1, kVariableInputs, &toAnimFilm},
    {"toframes", 1, kVariableInputs, &toFrames},
    {"loadimage", 1, kFixedInputs, &loadImage},
    {"loadbitmap", 1, kFixedInputs, &loadBitmap},
    {"loadimagelist", 1, kVariableInputs, &loadImageList},
    {"saveimage", 2, kFixedInputs, &saveImage},
    {"savebitmap", 2, kFixedInputs, &saveBitmap},
    {"appendimage", 2, kFixedInputs, &appendImage},
};

}  // namespace

void registerImagePrimitives(tLogoTab& table) { registerPrimitives(table, kImageRows); }
