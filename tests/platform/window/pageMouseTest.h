#pragma once

// The mouse tests' driver: lines typed into the command area and what they printed, the paint
// tool waiting on the shown page, its picture.

#include <QPlainTextEdit>
#include <QTest>

#include <mutex>
#include <string>

#include "platform/window/tCommandLine.h"
#include "platform/window/tPageView.h"
#include "turtle/paintTools.h"
#include "windowTestFixture.h"

class PageMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = fixture().window.get();
        page = &window->PageView();
    }

    // Runs the line in the command area and gives what it printed; "timeout: " and the output's
    // end when it does not end. A marker printed by a line of its own ends it, so that a line
    // that fails (a variable a launched process has not set yet) still ends. In the line, T'
    // and P' stand for the start-up turtle's and page's paths.
    std::string Run(std::string line)
    {
        for (auto [shortcut, path] : {std::pair{"T'", "mainwindow1'page1't1'"}, std::pair{"P'", "mainwindow1'page1'"}})
            for (size_t at = line.find(shortcut); at != std::string::npos; at = line.find(shortcut, at + 1))
                line.replace(at, 2, path);
        const QString marker = QStringLiteral("done%1").arg(++lines);
        const QString typedLine = QString::fromStdString(line) + "\n";
        const QString markerLine = "print \"" + marker + "\n";
        const qsizetype before = window->Output().toPlainText().size();
        for (const QString& typed : {typedLine, markerLine}) {
            window->CommandLine().setFocus();
            QTest::keyClicks(&window->CommandLine(), typed.chopped(1));
            QTest::keyClick(&window->CommandLine(), Qt::Key_Return);
        }
        // Each line is echoed as it is entered, the second one perhaps after what the first
        // printed; handlers may print after the line's end.
        const QString end = "\n" + marker + "\n";
        if (!waitFor([&] { return window->Output().toPlainText().indexOf(end, before) >= 0; }))
            return "timeout: " + window->Output().toPlainText().right(300).toStdString();
        const QString text = window->Output().toPlainText();
        const qsizetype start = text.indexOf(typedLine, before) + typedLine.size();
        QString printed = text.mid(start, text.indexOf(end, start) + 1 - start);
        if (const qsizetype echo = printed.indexOf(markerLine); echo >= 0) printed.remove(echo, markerLine.size());
        return printed.toStdString();
    }

    // The test runs on the window thread, which never takes the interpreter lock.
    static tPaintMode PaintMode() { return paintModeOf(*fixture().screen); }

    static QImage Picture()
    {
        tgrScreen& screen = *fixture().screen;
        std::lock_guard<std::mutex> hold(screen.pictureLock);
        return screen.picture.copy();
    }

    // Launches the line, which runs a paint tool, and waits until the tool waits for the mouse.
    bool LaunchTool(const std::string& line)
    {
        if (Run("launch [" + line + "]") != "") return false;
        return waitFor([] { return PaintMode() != tPaintMode::kNone; });
    }

    // Press, one move and release of the left button, with the keys held throughout.
    void DragLeft(QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QTest::mousePress(page, Qt::LeftButton, keys, from);
        QTest::mouseMove(page, to);
        QTest::mouseRelease(page, Qt::LeftButton, keys, to);
    }

    // The output holds this whole line.
    bool Printed(const QString& line) const { return ("\n" + window->Output().toPlainText()).contains("\n" + line + "\n"); }
    int CountPrinted(const QString& line) const { return ("\n" + window->Output().toPlainText()).count("\n" + line + "\n"); }

    QRgb PicturePixel(int x, int y) const
    {
        tgrScreen& screen = *fixture().screen;
        std::lock_guard<std::mutex> hold(screen.pictureLock);
        return screen.picture.pixel(x, y) & 0xFFFFFF;
    }

    tEnvironmentWindow* window = nullptr;
    QWidget* page = nullptr;
    static inline int lines = 0;
};
