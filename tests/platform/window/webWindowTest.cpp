#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>

#include <memory>

#include "pageMouseTest.h"
#include "platform/web/webFront.h"
#include "platform/web/webKind.h"
#include "platform/window/tWebWindows.h"

// Web windows made with "new "web" are top-level windows of the desktop: they show the page at
// their address, follow the object's properties, take a followed link as their new address,
// and go when the object goes.

namespace {

class WebWindows : public PageMouse {
protected:
    void SetUp() override
    {
        PageMouse::SetUp();
        static const bool installed = [] {
            {
                tInterpreterLock::Holder lock;
                startWebKind();
            }
            installWebFront(std::make_shared<tWebWindowFront>());
            return true;
        }();
        ASSERT_TRUE(installed);
        ASSERT_TRUE(folder.isValid());
        Write("first.html", "<html><head><title>Local page</title></head>"
                            "<body><p>Hello <a href=\"second.html\">next</a></p></body></html>");
        Write("second.html", "<html><body><p>Second page</p></body></html>");
    }

    void TearDown() override { EXPECT_EQ(Run("if memberp \"wb objects [eraseobject \"wb]"), ""); }

    void Write(const QString& name, const QByteArray& text)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    static tWebWindow* TopLevel(const QString& name)
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == name) return dynamic_cast<tWebWindow*>(widget);
        return nullptr;
    }

    QTemporaryDir folder;
};

TEST_F(WebWindows, AWebWindowShowsItsPageAndFollowsItsProperties)
{
    const std::string first = folder.filePath("first.html").toStdString();
    ASSERT_EQ(Run("new \"web [name wb size [300 200] apos [40 50] address |" + first + "|]"), "");
    tWebWindow* shown = TopLevel("wb");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(waitFor([&] { return shown->isVisible() && shown->Browser().toPlainText().contains("Hello next"); }))
        << shown->Browser().toPlainText().toStdString();
    // Without a caption the page's title shows.
    EXPECT_EQ(shown->windowTitle(), "Local page");
    EXPECT_EQ(shown->pos(), QPoint(40, 50));
    EXPECT_EQ(shown->size(), QSize(300, 200));
    ASSERT_EQ(Run("ask \"wb [setcaption [my browser] setsize [320 210] disable]"), "");
    EXPECT_EQ(shown->windowTitle(), "my browser");
    EXPECT_EQ(shown->size(), QSize(320, 210));
    EXPECT_FALSE(shown->isEnabled());
    ASSERT_EQ(Run("ask \"wb [setshowtitlebar \"false hideme]"), "");
    EXPECT_TRUE(shown->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(shown->isVisible());
    ASSERT_EQ(Run("eraseobject \"wb"), "");
    EXPECT_EQ(TopLevel("wb"), nullptr);
}

// A link the user follows is the object's new address, loaded as one set from Logo would be.
TEST_F(WebWindows, AFollowedLinkBecomesTheAddressAndLoads)
{
    const std::string first = folder.filePath("first.html").toStdString();
    ASSERT_EQ(Run("make \"heard [] new \"web [name wb address |" + first +
                  "|] ask \"wb [setevent \"oncomplete [make \"heard lput address :heard]]"),
              "");
    tWebWindow* shown = TopLevel("wb");
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(waitFor([&] { return shown->Browser().toPlainText().contains("Hello"); }));
    emit shown->Browser().anchorClicked(QUrl("second.html"));
    EXPECT_TRUE(waitFor([&] { return shown->Browser().toPlainText().contains("Second page"); }))
        << shown->Browser().toPlainText().toStdString();
    const std::string second = folder.filePath("second.html").toStdString() + "\n";
    EXPECT_EQ(Run("print ask \"wb [address]"), second);
    EXPECT_TRUE(waitFor([&] { return Run("print last :heard") == second; })) << Run("show :heard");
}

}  // namespace
