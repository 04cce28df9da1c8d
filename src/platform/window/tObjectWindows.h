#pragma once

#include <QWidget>

#include <map>
#include <memory>

#include "turtle/windowFront.h"
#include "values/tLogoRef.h"

class tPageView;
class tgrScreen;
class tlogopage;

// One window object on the desktop: a top-level window showing the object's page. What the
// user does to it (moving, resizing, closing) goes back into the object: its corner and size,
// and closing hides it unless the object's "onErase" handler decides instead.
class tObjectWindow : public QWidget {
public:
    explicit tObjectWindow(tSplitwindow& object);

    // Shows what the object says now; on the window thread.
    void Update();

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void RememberBounds();

    tSplitwindow& object_;
    tPageView* view_;
    tlogopage* page_ = nullptr;
    tLogoRef<tgrScreen> screen_;  // the shown page's surface, kept while the view shows it
    bool updating_ = false;        // the object's own bounds are being applied
};

// The front of the window objects in the windowed program.
class tObjectWindowFront : public tWindowFront {
public:
    void Update(tSplitwindow& window) override;
    void Forget(tSplitwindow& window) override;
    // The top-level window of the object; none before it was first shown or after it went.
    tObjectWindow* WindowOf(const tSplitwindow& window) const;

private:
    std::map<const tSplitwindow*, std::unique_ptr<tObjectWindow>> windows_;
};
