#pragma once

#include <QImage>

#include <functional>
#include <optional>
#include <string>

#include "mainobj/system/dialogFront.h"

// Where "editimage" shows a picture to be painted: the window's image editor. Called on the
// window thread; it shows the editor and returns at once, and calls `done` once when the editor
// closes: with the painted picture (ARGB, transparent where nothing is) or none when cancelled.
using tImageEditorShow = std::function<tDialogFront::tCloser(
    const std::string& title, const QImage& picture, std::function<void(std::optional<QImage>)> done)>;

// None in the console: "editimage" then fails erZembrixEditor.
void installImageEditor(tImageEditorShow show);
