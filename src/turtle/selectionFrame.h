#pragma once

#include <QImage>
#include <QRect>

#include "turtle/thinLine.h"

class tLogoTab;
class tgrScreen;

// The selection: at most one in the whole system, a picture floating in a frame over a
// surface ("createselection" cuts it out of the picture, "createfileselection" reads it from a
// file). The mouse moves it and resizes it by its eight handles; finishing stamps it into the
// picture at its frame. Everything here runs under the interpreter lock.

// Finishes any selection and makes a new one holding `image`, stretched into `inner`
// (surface pixels).
void createSelection(tgrScreen& screen, const QImage& image, QRect inner);
bool selectionExists();
// The surface the selection lies over; none without a selection.
tgrScreen* selectionScreen();
// The frame's inner rectangle; empty without a selection.
QRect selectionRectangle();
// The picture as it is shown (scaled to the frame); null without a selection.
QImage selectionPicture();
// Stamps the picture into its surface at the frame and removes the frame.
void finishSelection();
// Removes the frame without stamping (a cut selection leaves its cleared rectangle).
void dropSelection();

// The handle under a surface point: 1 to 8 (top-left, top-right, bottom-left, bottom-right,
// bottom middle, right middle, top middle, left middle), 9 elsewhere on the frame or its
// picture, 0 off it.
int selectionHandleAt(tPixel at);

// The mouse over `screen`: true when the selection took the message. Keys: control 1, shift 2.
bool selectionPress(tgrScreen& screen, int button, tPixel at, int keys);
bool selectionMove(tgrScreen& screen, tPixel at, int buttons);
bool selectionRelease(tgrScreen& screen, int button);

// "createselection", "createfileselection".
void registerSelectionPrimitives(tLogoTab& table);
