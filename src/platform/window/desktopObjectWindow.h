#pragma once

#include <QCloseEvent>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>

#include "platform/window/windowClosing.h"
#include "turtle/controlProperties.h"

// A Logo object shown as a top-level window on the desktop (a window object, a web window).
// What the user does to it goes back into the object: its corner and size (the object's
// `bounds`), and closing hides it unless the object's "onErase" handler decides instead.
template <class Object>
class tDesktopObjectWindow : public QWidget {
public:
    explicit tDesktopObjectWindow(Object& object) : object_(object) {}

protected:
    void moveEvent(QMoveEvent*) override { RememberBounds(); }
    void resizeEvent(QResizeEvent*) override { RememberBounds(); }
    // The object stays: an "onErase" handler decides what closing does, else the window hides.
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        QPointer<tDesktopObjectWindow> window(this);
        requestWindowClose(&object_, [window] {
            if (!window) return;
            setControlShown(window->object_, false);
            window->hide();
        });
    }

    Object& object_;
    bool updating_ = false;  // the object's own bounds are being applied

private:
    // Bounds are read and written on the window thread only, by the object's properties too.
    // The corner is the frame's on the desktop, the size that of what the window shows; a
    // maximized window keeps the bounds it will come back to.
    void RememberBounds()
    {
        if (updating_ || isMaximized()) return;
        object_.bounds = {pos().x(), pos().y(), width(), height()};
    }
};

// The windows of one kind of object in the windowed program: made when the object is first
// shown, closed for good when it goes.
template <class Object, class Window>
class tDesktopWindows {
public:
    void Update(Object& object)
    {
        std::unique_ptr<Window>& shown = windows_[&object];
        if (!shown) shown = std::make_unique<Window>(object);
        shown->Update();
    }
    void Forget(Object& object) { windows_.erase(&object); }
    // None before the object was first shown or after it went.
    Window* WindowOf(const Object& object) const
    {
        auto found = windows_.find(&object);
        return found == windows_.end() ? nullptr : found->second.get();
    }

private:
    std::map<const Object*, std::unique_ptr<Window>> windows_;
};
