#pragma once

// The environment window with the simple controls' widgets over its page, as the program sets
// them up, and the lines the tests type into its command line.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QString>

#include <memory>

#include "controls/controlFront.h"
#include "controls/startControls.h"
#include "platform/controls/tQtControlFront.h"
#include "platform/window/tCommandLine.h"
#include "platform/window/tPageView.h"
#include "processes/tInterpreterLock.h"
#include "windowTestFixture.h"

// The window with the controls' widgets over its page, as the program sets them up.
class ControlWidgets : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = fixture().window.get();
        static const bool installed = [] {
            {
                tInterpreterLock::Holder setUp;
                startControls();
            }
            installControlFront(std::make_shared<tQtControlFront>(&fixture().window->PageView(), fixture().screen.get()));
            return true;
        }();
        (void)installed;
    }

    void Type(const QString& line)
    {
        window->CommandLine().setFocus();
        QTest::keyClicks(&window->CommandLine(), line);
        QTest::keyClick(&window->CommandLine(), Qt::Key_Return);
    }

    // Runs the line and waits until it has (it prints a mark when done).
    bool Run(const QString& line)
    {
        static int runs = 0;
        const QString mark = QStringLiteral("done%1").arg(++runs);
        Type(line + " print \"" + mark);
        return waitFor([&] { return OutputHas(mark); });
    }

    bool OutputHas(const QString& line) const
    {
        return ("\n" + window->Output().toPlainText() + "\n").contains("\n" + line + "\n");
    }

    int Count(const QString& line) const
    {
        return ("\n" + window->Output().toPlainText() + "\n").count("\n" + line + "\n");
    }

    template <class Widget>
    Widget* Shown(const QString& text = {})
    {
        Widget* found = nullptr;
        waitFor([&] {
            for (Widget* widget : window->PageView().findChildren<Widget*>())
                if (widget->isVisible() && (text.isEmpty() || widget->property("text").toString() == text)) found = widget;
            return found != nullptr;
        });
        return found;
    }

    tEnvironmentWindow* window = nullptr;
};
