#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

#include <memory>

#include "controlWidgetsFixture.h"

namespace {

TEST_F(ControlWidgets, AButtonLiesWhereItsPositionSaysAndPressingItFiresPushThenRelease)
{
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"button [name okbutton apos [30 40] size [90 30] caption OK]] "
                    "ask \"okbutton [setevent \"onpush [print \"pushed] setevent \"onrelease [print \"released]]"));
    QPushButton* button = Shown<QPushButton>("OK");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(30, 40, 90, 30));
    QTest::mousePress(button, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return OutputHas("pushed"); }));
    EXPECT_FALSE(OutputHas("released")) << "released before it was let go";
    QTest::mouseRelease(button, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return OutputHas("released"); }));
    // Setting the caption from Logo shows in the widget.
    ASSERT_TRUE(Run("okbutton'setcaption \"Go"));
    EXPECT_TRUE(waitFor([&] { return button->text() == "Go"; }));
}

TEST_F(ControlWidgets, TypingInATextBoxFiresChangeAndLeavingItFiresChanged)
{
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"textbox [name notes apos [10 200]]] "
                    "ask \"notes [setevent \"onchange [print \"changing] setevent \"onchanged [print (word \"changed: value)]]"));
    auto* area = Shown<QPlainTextEdit>();
    ASSERT_NE(area, nullptr);
    area->setFocus();
    QTest::keyClicks(area, "hi");
    ASSERT_TRUE(waitFor([&] { return OutputHas("changing"); }));
    window->CommandLine().setFocus();
    ASSERT_TRUE(waitFor([&] { return OutputHas("changed:hi"); }));
    EXPECT_EQ(Count("changed:hi"), 1);
    // Printed text reaches the area, as the text box's value.
    ASSERT_TRUE(Run("printtotextbox \"notes print \"there printtotextbox []"));
    EXPECT_TRUE(waitFor([&] { return area->toPlainText() == "hithere\n"; })) << area->toPlainText().toStdString();
}

TEST_F(ControlWidgets, AOneLineTextBoxEndsAnEditWithEnter)
{
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"textbox [name answer apos [10 300] oneline true]] "
                    "ask \"answer [setevent \"onchanged [print (word \"answer: value)]]"));
    auto* field = Shown<QLineEdit>();
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClicks(field, "42");
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] { return OutputHas("answer:42"); }));
    // Set from Logo, the field shows the text and nothing is fired.
    ASSERT_TRUE(Run("answer'setvalue \"seven"));
    EXPECT_TRUE(waitFor([&] { return field->text() == "seven"; }));
    EXPECT_EQ(Count("answer:42"), 1);
    EXPECT_FALSE(OutputHas("answer:seven"));
}

TEST_F(ControlWidgets, ASwitchTurnsOverOnEachClickAndASliderFollowsItsValue)
{
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"switch [name sound apos [300 10] caption Sound] "
                    "new \"slider [name speed apos [300 50] min 0 max 10 value 3]] "
                    "ask \"sound [setevent \"onpush [print \"on] setevent \"onrelease [print \"off]]"));
    auto* box = Shown<QCheckBox>("Sound");
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return OutputHas("on"); }));
    ASSERT_TRUE(Run("print sound'down"));
    EXPECT_TRUE(OutputHas("true"));
    QTest::mouseClick(box, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return OutputHas("off"); }));

    auto* slider = Shown<QSlider>();
    ASSERT_NE(slider, nullptr);
    EXPECT_TRUE(waitFor([&] { return slider->maximum() == 10 && slider->value() == 3; }));
    ASSERT_TRUE(Run("speed'setvalue 7"));
    EXPECT_TRUE(waitFor([&] { return slider->value() == 7; }));
    ASSERT_TRUE(Run("ask \"speed [setevent \"onchanged [print (word \"speed: value)]]"));
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_TRUE(waitFor([&] { return OutputHas("speed:8"); }));
}

TEST_F(ControlWidgets, AControlOnAPaneFollowsThePaneWhenItMovesAndHidesWithIt)
{
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"pane [name panel apos [200 300] size [200 100]]] "
                    "ask \"panel [new \"button [name inside apos [10 20] size [60 20] caption Inside]]"));
    QPushButton* button = Shown<QPushButton>("Inside");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(210, 320, 60, 20));
    ASSERT_TRUE(Run("panel'setapos [250 310]"));
    EXPECT_TRUE(waitFor([&] { return button->geometry() == QRect(260, 330, 60, 20); })) << "the pane moved";
    ASSERT_TRUE(Run("ask \"panel [hideme]"));
    EXPECT_TRUE(waitFor([&] { return !button->isVisible(); })) << "the pane was hidden";
    ASSERT_TRUE(Run("ask \"panel [showme]"));
    EXPECT_TRUE(waitFor([&] { return button->isVisible(); }));
    ASSERT_TRUE(Run("eraseobject \"panel"));
}

TEST_F(ControlWidgets, ATextBoxWritesInItsFontAndColoursAndASliderShowsItsGround)
{
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"textbox [name styled apos [10 400] font [[Arial] [14]] colour red bgcolour yellow] "
                    "new \"slider [name grounded apos [200 400] bgcolour blue]]"));
    // Other tests' text boxes may still lie on the page: the styled one writes in red.
    QPlainTextEdit* area = nullptr;
    ASSERT_TRUE(waitFor([&] {
        for (QPlainTextEdit* shown : window->PageView().findChildren<QPlainTextEdit*>())
            if (shown->isVisible() && shown->palette().color(QPalette::Text) == QColor(255, 0, 0)) area = shown;
        return area != nullptr;
    }));
    EXPECT_EQ(area->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(area->font().family(), "Arial");
    QSlider* slider = nullptr;
    ASSERT_TRUE(waitFor([&] {
        for (QSlider* shown : window->PageView().findChildren<QSlider*>())
            if (shown->isVisible() && shown->autoFillBackground()) slider = shown;
        return slider != nullptr;
    }));
    EXPECT_EQ(slider->palette().color(QPalette::Window), QColor(0, 0, 255));
    ASSERT_TRUE(Run("grounded'settransparent \"true"));
    EXPECT_TRUE(waitFor([&] { return !slider->autoFillBackground(); })) << "a transparent slider shows the page";
    ASSERT_TRUE(Run("eraseobject [styled grounded]"));
}

TEST_F(ControlWidgets, AButtonShowsItsPictureBesideItsCaption)
{
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"button [name pictured apos [10 460] size [120 40] caption Go picture (takepicture [0 0 30 20])]]"));
    QPushButton* button = Shown<QPushButton>("Go");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(waitFor([&] { return !button->icon().isNull(); }));
    EXPECT_EQ(button->iconSize(), QSize(30, 20)) << "the picture's own size";
    ASSERT_TRUE(Run("pictured'setpicture []"));
    EXPECT_TRUE(waitFor([&] { return button->icon().isNull(); }));
    ASSERT_TRUE(Run("eraseobject \"pictured"));
}

TEST_F(ControlWidgets, AnErasedControlLeavesThePage)
{
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"button [name gone caption Bye]]"));
    ASSERT_NE(Shown<QPushButton>("Bye"), nullptr);
    ASSERT_TRUE(Run("eraseobject \"gone"));
    EXPECT_TRUE(waitFor([&] {
        for (QPushButton* button : window->PageView().findChildren<QPushButton*>())
            if (button->text() == "Bye") return false;
        return true;
    }));
}

}  // namespace
