#pragma once

#include <QWidget>

#include <cstdint>
#include <map>
#include <memory>

#include "platform/web/webFront.h"

class QTextBrowser;
class QUrl;

// One web window object on the desktop: a top-level window showing the object's page in a
// text browser (simple HTML, or plain text). What the user does to it goes back into the object:
// its corner and size; a followed link becomes its address and loads; closing hides it unless
// the object's "onErase" handler decides instead.
class tWebWindow : public QWidget {
public:
    explicit tWebWindow(tLogoWeb& object);

    // Shows what the object says now; on the window thread.
    void Update();
    QTextBrowser& Browser() { return *browser_; }

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void RememberBounds();
    void ShowPage();
    void FollowLink(const QUrl& link);

    tLogoWeb& object_;
    QTextBrowser* browser_;
    uint64_t shownLoad_ = 0;  // the object's load whose page is shown
    int shownCode_ = -1;
    bool updating_ = false;  // the object's own bounds are being applied
};

// The front of the web windows in the windowed program.
class tWebWindowFront : public tWebFront {
public:
    void Update(tLogoWeb& web) override;
    void Forget(tLogoWeb& web) override;
    // The top-level window of the object; none before it was first shown or after it went.
    tWebWindow* WindowOf(const tLogoWeb& web) const;

private:
    std::map<const tLogoWeb*, std::unique_ptr<tWebWindow>> windows_;
};
