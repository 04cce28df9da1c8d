#include "images/ImageEditPrimitive.h"

#include <memory>
#include <mutex>
#include <vector>

#include "images/imageEditorFront.h"
#include "images/imageFiles.h"
#include "images/tLogoFrame.h"
#include "images/tLogoImage.h"
#include "images/tLogoPicture.h"
#include "images/valuePictures.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"

// "editimage": the first picture of an image file painted in the window's editor and saved
// back into the file, the file's other pictures and frames kept.

namespace {

constexpr int kNewPictureSide = 32;

std::mutex editorGuard;
tImageEditorShow& installedEditor()
{
    static tImageEditorShow show;
    return show;
}

// The image in the file; a new one when there is no such file yet.
tLogoRef<tLogoImage> imageToEdit(const std::string& name)
{
    try {
        return tLogoRef<tLogoImage>(loadImageNamed(name, ".LGF"));
    } catch (const eLogoException& error) {
        if (error.key != erFileProblem) throw;
    }
    return {};
}

// The image with its first picture replaced by the painted one (colour and mask from its
// transparency), its hot spot and delay kept.
tLogoRef<tLogoImage> withFirstPicture(const tLogoImage* original, const QImage& painted)
{
    const tLogoPicture* before = original ? original->FirstPicture() : nullptr;
    tLogoPicture picture = pictureOfArgb(painted, before ? before->hotX : painted.width() / 2,
                                         before ? before->hotY : painted.height() / 2);
    picture.delay = before ? before->delay : 0;
    tLogoRef<tLogoImage> image(new tLogoImage);
    if (!original || original->frames.empty()) {
        image->style = tLogoImage::styleFrame;
        image->frames.push_back(makeFrame({picture}));
        return image;
    }
    image->CopyInfo(*original);
    image->frames = original->frames;
    std::vector<tLogoPicture> pictures;
    for (int32_t i = 0; i < original->frames.front()->Count(); ++i) pictures.push_back(*original->frames.front()->Picture(i));
    pictures.front() = picture;
    image->frames.front() = makeFrame(std::move(pictures));
    return image;
}

tlogoobject* editimage(tPrimitiveCall& call)
{
    const std::string& name = call.word(0);
    tImageEditorShow show;
    {
        std::lock_guard<std::mutex> hold(editorGuard);
        show = installedEditor();
    }
    if (!show) throw eLogoException(erZembrixEditor);
    const tLogoRef<tLogoImage> original = imageToEdit(name);
    QImage picture;
    if (const tLogoPicture* first = original ? original->FirstPicture() : nullptr)
        picture = first->Composed();
    if (picture.isNull()) {
        picture = QImage(kNewPictureSide, kNewPictureSide, QImage::Format_ARGB32);
        picture.fill(Qt::white);
    }
    auto painted = std::make_shared<std::optional<QImage>>();
    const tDialogAnswer answer = awaitWindowAnswer([&, painted](tDialogFront::tAnswered answered) {
        return show(name, picture, [painted, answered](std::optional<QImage> result) {
            *painted = std::move(result);
            tDialogAnswer closed;
            closed.cancelled = !painted->has_value();
            answered(closed);
        });
    });
    if (answer.cancelled || !painted->has_value()) return nullptr;
    const tLogoRef<tLogoImage> edited = withFirstPicture(original.get(), **painted);
    saveImageNamed(name, edited.get(), tSaveMode::save);
    return nullptr;
}

constexpr tPrimitiveRow kImageEditRows[] = {
    {"editimage", 1, kFixedInputs, &editimage},
};

}  // namespace

void installImageEditor(tImageEditorShow show)
{
    std::lock_guard<std::mutex> hold(editorGuard);
    installedEditor() = std::move(show);
}

void registerImageEditPrimitive(tLogoTab& table) { registerPrimitives(table, kImageEditRows); }
