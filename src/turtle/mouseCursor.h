#pragma once

#include <QImage>

#include <functional>

class tLogoTab;

// The pointer's shape over the shown page, as "setmousecursor" chooses it: one of the shapes
// below, given by its number or its word (letter case aside), or a picture (an image, or what
// else a turtle could wear) with its hot spot where a turtle's position would be. With the
// option "colourcursor" 0 a picture becomes black and white.
//
//    0 default    -1 none       -2 arrow      -3 cross      -4 ibeam      -5 size
//   -6 sizenesw   -7 sizens     -8 sizenwse   -9 sizewe    -10 uparrow   -11 hourglass
//  -12 drag      -13 nodrop    -14 hsplit    -15 vsplit    -16 multidrag -17 wait
//  -18 no        -19 appstart  -20 help      -21 handpoint -22 sizeall
//
// Another number or word fails with erBadValue.
struct tMouseCursor {
    Qt::CursorShape shape = Qt::ArrowCursor;
    QImage picture;  // ARGB; when not null it is the shape
    int hotX = 0;
    int hotY = 0;
};

// The shape chosen last (the arrow until one is). Any thread.
tMouseCursor mouseCursor();

// The window's way of showing the shape; called on the window thread. Without one the choice is
// only remembered.
using tCursorShower = std::function<void(const tMouseCursor&)>;
void setCursorShower(tCursorShower shower);

// "setmousecursor", a primitive of the main object.
void registerMouseCursorPrimitive(tLogoTab& table);
