#include "platform/window/tWebWindows.h"

#include <QCloseEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "objects/objectList.h"
#include "platform/web/tLogoWeb.h"
#include "platform/window/interpreterHandOver.h"
#include "platform/window/windowClosing.h"
#include "platform/window/windowText.h"
#include "turtle/controlProperties.h"

namespace {

bool isHtml(const tWebPage& page)
{
    if (page.contentType.find("html") != std::string::npos) return true;
    const size_t start = page.text.find_first_not_of(" \t\r\n");
    return page.contentType.empty() && start != std::string::npos && page.text[start] == '<';
}

// The address as a URL that links are relative to: a name without a scheme is a local file.
QUrl baseOf(const std::string& address)
{
    const QString text = fromLogoText(address);
    return address.find("://") == std::string::npos ? QUrl::fromLocalFile(text) : QUrl(text);
}

// The object, when it still lives: it may have gone before the link's process ran.
tLogoWeb* living(const tLogoWeb* web)
{
    for (tmultiobject* object = firstObject(); object; object = object->next)
        if (object == web) return static_cast<tLogoWeb*>(object);
    return nullptr;
}

}  // namespace

tWebWindow::tWebWindow(tLogoWeb& object) : tDesktopObjectWindow(object), browser_(new QTextBrowser(this))
{
    setObjectName(fromLogoText(object.name));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Links become the object's address, so that its program hears of them.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { FollowLink(link); });
}

void tWebWindow::Update()
{
    updating_ = true;
    Qt::WindowFlags flags = object_.style == 1 ? Qt::Tool : Qt::Window;
    if (!object_.titleBar) flags |= Qt::FramelessWindowHint;
    if (windowFlags() != flags) setWindowFlags(flags);
    const tControlBounds& bounds = object_.bounds;
    move(bounds.left, bounds.top);
    resize(bounds.width, bounds.height);
    ShowPage();
    const QString title = browser_->documentTitle();
    setWindowTitle(!object_.caption.empty() ? fromLogoText(object_.caption)
                                            : !title.isEmpty() ? title : fromLogoText(object_.name));
    const tControlState state = controlState(object_);
    setEnabled(state.enabled);
    if (!state.shown)
        hide();
    else if (object_.maximized)
        showMaximized();
    else
        showNormal();
    updating_ = false;
}

// A page is set into the browser once, so that a caption changed later keeps where the reader
// scrolled to.
void tWebWindow::ShowPage()
{
    const tWebPage& page = object_.page;
    if (shownLoad_ == object_.loads && shownCode_ == page.code) return;
    shownLoad_ = object_.loads;
    shownCode_ = page.code;
    const QString text = fromLogoText(page.text);
    if (isHtml(page))
        browser_->setHtml(text);
    else
        browser_->setPlainText(text);
}

void tWebWindow::FollowLink(const QUrl& link)
{
    if (link.hasFragment() && link.adjusted(QUrl::RemoveFragment).isEmpty()) {
        browser_->scrollToAnchor(link.fragment());
        return;
    }
    const QUrl target = baseOf(object_.address).resolved(link);
    const std::string address = toLogoText(target.isLocalFile() ? target.toLocalFile() : target.toString());
    const tLogoWeb* web = &object_;
    runUnderInterpreter("@weblink", [web, address] {
        if (tLogoWeb* followed = living(web)) {
            followed->address = address;
            followed->Load();
        }
    });
}

void tWebWindowFront::Update(tLogoWeb& web) { windows_.Update(web); }

void tWebWindowFront::Forget(tLogoWeb& web) { windows_.Forget(web); }
