#include "turtle/undoStore.h"

#include <QImage>

#include <mutex>
#include <utility>

#include "turtle/tgrScreen.h"

namespace {

// The surface is not counted: it empties the store when it goes.
struct tUndoStore {
    std::mutex lock;
    QImage picture;
    tgrScreen* owner = nullptr;
};

tUndoStore& store()
{
    static tUndoStore undo;
    return undo;
}

}  // namespace

// The store's lock is never held while waiting for a picture's lock in saving, so undo may
// take it first and then the picture's; a surface going away waits for the store's lock
// before anything of it is torn down.
void saveForUndo(tgrScreen& screen)
{
    QImage copy;
    {
        std::lock_guard<std::mutex> holdPicture(screen.pictureLock);
        copy = screen.picture.copy();
    }
    tUndoStore& undo = store();
    std::lock_guard<std::mutex> holdStore(undo.lock);
    undo.picture = std::move(copy);
    undo.owner = &screen;
}

bool undoDrawing()
{
    tUndoStore& undo = store();
    std::lock_guard<std::mutex> holdStore(undo.lock);
    if (!undo.owner) return false;
    std::lock_guard<std::mutex> holdPicture(undo.owner->pictureLock);
    std::swap(undo.owner->picture.Image(), undo.picture);
    undo.owner->FitRange();
    return true;
}

const tgrScreen* undoOwner()
{
    tUndoStore& undo = store();
    std::lock_guard<std::mutex> holdStore(undo.lock);
    return undo.owner;
}

void forgetUndoOf(const tgrScreen& screen)
{
    tUndoStore& undo = store();
    std::lock_guard<std::mutex> holdStore(undo.lock);
    if (undo.owner != &screen) return;
    undo.owner = nullptr;
    undo.picture = QImage();
}
