#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>

#include "platform/dialogs/imageEditor.h"
#include "platform/dialogs/tQtDialogFront.h"
#include "platform/tQtWindowThread.h"
#include "processes/tLogoprocess.h"

// Each dialog of the window's front, worked as a learner would, answers once with what was
// chosen, or as cancelled.

namespace {

class QtDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argumentCount = 1;
        static char name[] = "dialog_tests";
        static char* arguments[] = {name, nullptr};
        application = std::make_unique<QApplication>(argumentCount, arguments);
    }

    static void TearDownTestSuite()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        application.reset();
    }

    void TearDown() override
    {
        // Closed dialogs delete themselves later.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Shown<QDialog>(), nullptr) << "a dialog stayed open";
    }

    // The visible top-level widget of that class; none when there is none.
    template <class T>
    static T* Shown()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<T*>(widget); found && found->isVisible()) return found;
        return nullptr;
    }

    // Serves the event loop until `done` holds; false after ten seconds (the machine is shared).
    static bool WaitFor(const std::function<bool()>& done)
    {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() > limit) return false;
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return true;
    }

    tDialogFront::tAnswered Recorder()
    {
        return [this](tDialogAnswer answer) {
            ++answers;
            last = std::move(answer);
        };
    }

    static std::unique_ptr<QApplication> application;
    tQtDialogFront front{nullptr};
    int answers = 0;
    std::optional<tDialogAnswer> last;
};

std::unique_ptr<QApplication> QtDialogs::application;

QPushButton* buttonLabelled(QMessageBox& box, const QString& label)
{
    for (QAbstractButton* button : box.buttons())
        if (button->text() == label) return qobject_cast<QPushButton*>(button);
    return nullptr;
}

tMessageRequest yesNoCancel()
{
    return {"Save first?", "Closing", {{6, "Yes"}, {7, "No"}, {2, "Cancel"}}, 2, tDialogIcon::kQuestion};
}

TEST_F(QtDialogs, MessageAnswersTheCodeOfTheButtonPressed)
{
    front.ShowMessage(yesNoCancel(), Recorder());
    QMessageBox* box = Shown<QMessageBox>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Save first?"));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Closing"));
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->buttons().size(), 3);
    EXPECT_TRUE(box->isModal());
    QPushButton* no = buttonLabelled(*box, "No");
    ASSERT_NE(no, nullptr);
    no->click();
    ASSERT_EQ(answers, 1);
    EXPECT_FALSE(last->cancelled);
    EXPECT_EQ(last->code, 7);
    EXPECT_EQ(Shown<QMessageBox>(), nullptr);
}

// Escape presses the escape button; the closer (the asking process was stopped) answers as
// cancelled, once, and a second close does nothing.
TEST_F(QtDialogs, MessageEscapeAndCloser)
{
    front.ShowMessage(yesNoCancel(), Recorder());
    ASSERT_NE(Shown<QMessageBox>(), nullptr);
    QTest::keyClick(Shown<QMessageBox>(), Qt::Key_Escape);
    ASSERT_EQ(answers, 1);
    EXPECT_TRUE(last->cancelled || last->code == 2);
    EXPECT_EQ(Shown<QMessageBox>(), nullptr);

    tDialogFront::tCloser close = front.ShowMessage(yesNoCancel(), Recorder());
    ASSERT_NE(Shown<QMessageBox>(), nullptr);
    close();
    ASSERT_EQ(answers, 2);
    EXPECT_TRUE(last->cancelled);
    EXPECT_EQ(Shown<QMessageBox>(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    close();
    EXPECT_EQ(answers, 2);
}

// Texts cross between the code page and Unicode both ways.
TEST_F(QtDialogs, LineInputAnswersTheTextTypedOrCancelled)
{
    front.ShowLineInput({"Your name?", "Ask", "caf\xE9", "Fine", "Never mind"}, Recorder());
    QInputDialog* dialog = Shown<QInputDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Your name?"));
    EXPECT_EQ(dialog->textValue(), QString::fromUtf8("caf\xC3\xA9"));
    EXPECT_EQ(dialog->okButtonText(), QStringLiteral("Fine"));
    EXPECT_EQ(dialog->cancelButtonText(), QStringLiteral("Never mind"));
    dialog->setTextValue(QString::fromUtf8("na\xC3\xAFve [a b]"));
    dialog->accept();
    ASSERT_EQ(answers, 1);
    EXPECT_FALSE(last->cancelled);
    EXPECT_EQ(last->text, "na\xEFve [a b]");

    front.ShowLineInput({"Your name?", "Ask", "", "", ""}, Recorder());
    ASSERT_NE(Shown<QInputDialog>(), nullptr);
    Shown<QInputDialog>()->reject();
    ASSERT_EQ(answers, 2);
    EXPECT_TRUE(last->cancelled);
}

// The chooser starts in the folder asked for, offers each pattern in both letter cases, and
// answers the full name; a saved name typed without extension gets the default one.
TEST_F(QtDialogs, FileChooserAnswersTheFullName)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile made(folder.filePath("castle.ZXP"));
    ASSERT_TRUE(made.open(QIODevice::WriteOnly));
    made.close();
    const std::string where = QFile::encodeName(folder.path() + "/").toStdString();

    front.ShowFileChooser({false, "Open", where, "castle.ZXP", {{"Projects", {"*.zxp"}}}, "zxp"}, Recorder());
    auto* dialog = Shown<QFileDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Projects (*.zxp *.ZXP)"});
    static_cast<QDialog*>(dialog)->accept();  // checks the choice as the Open button does
    ASSERT_EQ(answers, 1);
    ASSERT_FALSE(last->cancelled);
    EXPECT_EQ(QFileInfo(QFile::decodeName(QByteArray::fromStdString(last->text))).canonicalFilePath(),
              QFileInfo(made).canonicalFilePath());

    front.ShowFileChooser({true, "Save", where, "tower", {{"Projects", {"*.zxp"}}}, "zxp"}, Recorder());
    dialog = Shown<QFileDialog>();
    ASSERT_NE(dialog, nullptr);
    static_cast<QDialog*>(dialog)->accept();  // checks the choice as the Open button does
    ASSERT_EQ(answers, 2);
    ASSERT_FALSE(last->cancelled);
    EXPECT_EQ(QFileInfo(QFile::decodeName(QByteArray::fromStdString(last->text))).fileName(), QStringLiteral("tower.zxp"));

    front.ShowFileChooser({false, "", where, "", {}, ""}, Recorder());
    ASSERT_NE(Shown<QFileDialog>(), nullptr);
    Shown<QFileDialog>()->reject();
    ASSERT_EQ(answers, 3);
    EXPECT_TRUE(last->cancelled);
}

TEST_F(QtDialogs, ColourChooserStartsAtTheColourGivenAndAnswersRgb)
{
    front.ShowColourChooser({"", 0x102030}, Recorder());
    auto* dialog = Shown<QColorDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->currentColor(), QColor(0x10, 0x20, 0x30));
    dialog->setCurrentColor(QColor(255, 128, 0));
    dialog->accept();
    ASSERT_EQ(answers, 1);
    ASSERT_FALSE(last->cancelled);
    EXPECT_EQ(last->colour, 0xFF8000u);
}

TEST_F(QtDialogs, ItemChooserAnswersTheIndexChosen)
{
    front.ShowItemChooser({"Colours", "Pick one", {"red", "green", "blue"}, 0}, Recorder());
    auto* dialog = Shown<QInputDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->comboBoxItems(), (QStringList{"red", "green", "blue"}));
    dialog->setTextValue("blue");
    dialog->accept();
    ASSERT_EQ(answers, 1);
    ASSERT_FALSE(last->cancelled);
    EXPECT_EQ(last->code, 2);
}

// Separators take their place in the numbering; a menu closed without a choice cancels.
TEST_F(QtDialogs, PopupAnswersTheEntryTriggeredOrCancelled)
{
    front.ShowPopup({{"cut", "", "paste"}, std::pair{10, 10}}, Recorder());
    auto* menu = Shown<QMenu>();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_TRUE(menu->actions()[1]->isSeparator());
    menu->actions()[2]->trigger();
    menu->close();
    ASSERT_TRUE(WaitFor([&] { return Shown<QMenu>() == nullptr; }));
    QApplication::processEvents();
    ASSERT_EQ(answers, 1);
    EXPECT_FALSE(last->cancelled);
    EXPECT_EQ(last->code, 2);

    tDialogFront::tCloser close = front.ShowPopup({{"cut", "paste"}, std::nullopt}, Recorder());
    ASSERT_NE(Shown<QMenu>(), nullptr);
    close();
    ASSERT_TRUE(WaitFor([&] { return answers == 2; }));
    EXPECT_TRUE(last->cancelled);
}

// A process thread hands the dialog to the window thread and waits there for the answer.
TEST_F(QtDialogs, AwaitDialogWaitsOnAnotherThreadForTheAnswer)
{
    tQtWindowThread windowThread;
    installWindowThread(&windowThread);
    auto shared = std::make_shared<tQtDialogFront>(nullptr);
    std::future<tDialogAnswer> answer = std::async(std::launch::async, [shared] {
        return awaitDialog(shared, &tDialogFront::ShowMessage, yesNoCancel());
    });
    ASSERT_TRUE(WaitFor([&] { return Shown<QMessageBox>() != nullptr; }));
    buttonLabelled(*Shown<QMessageBox>(), "Yes")->click();
    ASSERT_TRUE(WaitFor([&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    const tDialogAnswer got = answer.get();
    EXPECT_FALSE(got.cancelled);
    EXPECT_EQ(got.code, 6);
    installWindowThread(nullptr);
}

// A process that asks for a line; whether the answer came back to it.
class tLineAsker : public tLogoprocess {
public:
    tLineAsker(tProcessStart start, std::shared_ptr<tDialogFront> front) : tLogoprocess(std::move(start)), front_(std::move(front)) {}
    void RunOnce() override
    {
        RequestStop();
        awaitDialog(front_, &tDialogFront::ShowLineInput, tLineRequest{"Name?", "Ask", "", "", ""});
        answered = true;
    }
    std::atomic<bool> answered{false};

private:
    std::shared_ptr<tDialogFront> front_;
};

// Stopping a process that waits for a dialog closes the dialog and ends the process, which
// never sees an answer.
TEST_F(QtDialogs, StoppingTheAskingProcessClosesItsDialog)
{
    tQtWindowThread windowThread;
    installWindowThread(&windowThread);
    tProcessStart start;
    start.name = "@asker";
    auto asker = tLogoprocess::Start<tLineAsker>(std::move(start), std::make_shared<tQtDialogFront>(nullptr));
    ASSERT_TRUE(WaitFor([&] { return Shown<QInputDialog>() != nullptr; }));
    asker->Stop();
    EXPECT_TRUE(WaitFor([&] { return Shown<QInputDialog>() == nullptr; }));
    EXPECT_TRUE(WaitFor([&] { return asker->endedSignal.IsSet(); }));
    EXPECT_FALSE(asker->answered);
    installWindowThread(nullptr);
}

TEST_F(QtDialogs, ImageEditorPaintsPickedAndTransparentPixelsAndOkGivesThemBack)
{
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(qRgb(0, 0, 255));
    std::optional<std::optional<QImage>> result;
    qtImageEditor(nullptr)("turtle.lgf", picture, [&](std::optional<QImage> painted) { result = std::move(painted); });
    QDialog* dialog = Shown<QDialog>();
    ASSERT_NE(dialog, nullptr);
    auto* pixels = dialog->findChild<QWidget*>(QStringLiteral("pixels"));
    ASSERT_NE(pixels, nullptr);
    const int zoom = pixels->width() / 4;
    auto at = [zoom](int x, int y) { return QPoint(x * zoom + zoom / 2, y * zoom + zoom / 2); };
    QTest::mouseClick(pixels, Qt::LeftButton, {}, at(1, 2));   // black, the first colour
    QTest::mouseClick(pixels, Qt::RightButton, {}, at(3, 3));  // takes the blue
    QTest::mouseClick(pixels, Qt::LeftButton, {}, at(1, 3));
    dialog->findChild<QCheckBox*>()->setChecked(true);         // now it makes transparent
    QTest::mouseClick(pixels, Qt::LeftButton, {}, at(0, 0));
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    ASSERT_TRUE(WaitFor([&] { return result.has_value(); }));
    ASSERT_TRUE(result->has_value());
    const QImage& painted = **result;
    EXPECT_EQ(painted.pixel(1, 2), qRgb(0, 0, 0));
    EXPECT_EQ(painted.pixel(1, 3), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(painted.pixel(0, 0)), 0);
    EXPECT_EQ(painted.pixel(2, 2), qRgb(0, 0, 255));
}

TEST_F(QtDialogs, ImageEditorCancelledGivesNothing)
{
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    std::optional<std::optional<QImage>> result;
    qtImageEditor(nullptr)("x", picture, [&](std::optional<QImage> painted) { result = std::move(painted); });
    QDialog* dialog = Shown<QDialog>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    ASSERT_TRUE(WaitFor([&] { return result.has_value(); }));
    EXPECT_FALSE(result->has_value());
}

}  // namespace
