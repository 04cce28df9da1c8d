#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>

#include <memory>

#include "controlWidgetsFixture.h"
#include "mainobj/system/dialogFront.h"

namespace {

// A colour chooser that picks one colour at once; the other dialogs are never asked for here.
class tPickingFront : public tDialogFront {
public:
    explicit tPickingFront(uint32_t picked) : picked_(picked) {}
    tCloser ShowColourChooser(const tColourRequest& request, tAnswered answered) override
    {
        offered = request.initial;
        tDialogAnswer answer;
        answer.cancelled = false;
        answer.colour = picked_;
        answered(answer);
        return [] {};
    }
    tCloser ShowMessage(const tMessageRequest&, tAnswered answered) override { return cancel(answered); }
    tCloser ShowLineInput(const tLineRequest&, tAnswered answered) override { return cancel(answered); }
    tCloser ShowFileChooser(const tFileRequest&, tAnswered answered) override { return cancel(answered); }
    tCloser ShowItemChooser(const tItemsRequest&, tAnswered answered) override { return cancel(answered); }
    tCloser ShowPopup(const tPopupRequest&, tAnswered answered) override { return cancel(answered); }

    uint32_t offered = 0xFFFFFFFF;

private:
    static tCloser cancel(const tAnswered& answered)
    {
        answered({});
        return [] {};
    }
    uint32_t picked_;
};

class PickerWidgets : public ControlWidgets {
protected:
    std::string Output() const { return window->Output().toPlainText().toStdString(); }

    // What a pick sets runs as a process of its own: asks again until the line prints `shown`.
    bool Eventually(const QString& line, const QString& shown)
    {
        return waitFor([&] { return Run(line) && OutputHas(shown); });
    }
    void TearDown() override { Run("catch \"error [eraseobject [pick thick shades tune tabs page2]] t1'setpencolour 0 t1'setpenwidth 1"); }
};

TEST_F(PickerWidgets, AColourButtonShowsItsColourAndAPickSetsThePenOfWhatItControls)
{
    auto front = std::make_shared<tPickingFront>(0x102030);
    std::shared_ptr<tDialogFront> before = dialogFront();
    installDialogFront(front);
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"colourbutton [name pick apos [400 10] value red controlledobject t1]] "
                    "ask \"pick [setevent \"onchanged [print (list \"picked value)]]"));
    QPushButton* button = nullptr;
    ASSERT_TRUE(waitFor([&] {
        for (QPushButton* shown : window->PageView().findChildren<QPushButton*>())
            if (shown->isVisible() && shown->styleSheet().contains("#ff0000")) button = shown;
        return button != nullptr;
    }));
    QTest::mouseClick(button, Qt::LeftButton);
    const bool picked = waitFor([&] { return OutputHas("picked [16 32 48]"); });
    installDialogFront(before);
    ASSERT_TRUE(picked) << Output();
    EXPECT_EQ(front->offered, 0xFF0000u) << "the chooser starts at the button's colour";
    EXPECT_TRUE(waitFor([&] { return button->styleSheet().contains("#102030"); }));
    EXPECT_TRUE(Eventually("print (list \"pen t1'pencolour)", "pen [16 32 48]")) << Output();
}

TEST_F(PickerWidgets, AWidthSwitchOffersWidthsAndAPickSetsThePenWidth)
{
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"widthswitch [name thick apos [400 50] value 7 controlledobject [t1]]]"));
    QComboBox* box = nullptr;
    ASSERT_TRUE(waitFor([&] {
        box = Shown<QComboBox>();
        return box && box->currentText() == "7";
    })) << "a width of its own is offered too";
    const int four = box->findData(4);
    ASSERT_GE(four, 0);
    emit box->activated(four);
    EXPECT_TRUE(Eventually("print (list \"width thick'value t1'penwidth)", "width 4 4"));
}

TEST_F(PickerWidgets, AColourSliderSlidesAlongTheShadesOfItsRow)
{
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"colorslider [name shades apos [400 90] colour green value green6]] "
                    "ask \"shades [setevent \"onchanged [print (list \"shade value)]]"));
    // The widget may be made again while the creation list is applied: look for it each time.
    QSlider* slider = nullptr;
    ASSERT_TRUE(waitFor([&] {
        slider = Shown<QSlider>();
        return slider && slider->maximum() == 12 && slider->value() == 6;
    }));
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    // The seventh shade of green is 64 255 64.
    EXPECT_TRUE(waitFor([&] { return OutputHas("shade [64 255 64]"); }));
}

TEST_F(PickerWidgets, AMelodyButtonPlaysItsMelodyAsAProcessOfItsOwnWhenPushed)
{
    ASSERT_TRUE(Run("ask \"mainwindow1'page1 [new \"melodybutton [name tune apos [400 170] caption Tune value [P1 P1 P1 P1]]] "
                    "ask \"tune [setevent \"onpush [print \"pushed]]"));
    QPushButton* button = Shown<QPushButton>("Tune");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return OutputHas("pushed"); }));
    // Its pauses keep the melody playing for a few seconds.
    EXPECT_TRUE(Eventually("print (list \"playing memberp \"@tunemelody allprocesses)", "playing true")) << Output();
}

TEST_F(PickerWidgets, APageSwitchShowsTheWindowsPagesAndSwitchesThem)
{
    ASSERT_TRUE(Run("ask \"mainwindow1 [new \"page [name page2]] "
                    "ask \"mainwindow1'page1 [new \"pageswitch [name tabs apos [400 130]]]"));
    QTabBar* tabs = Shown<QTabBar>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_TRUE(waitFor([&] { return tabs->count() == 2 && tabs->currentIndex() == 0; }));
    EXPECT_EQ(tabs->tabText(1), "page2");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    ASSERT_TRUE(waitFor([&] { return tabs->currentIndex() == 1; })) << Output();
    EXPECT_TRUE(Eventually("print (word \"shown: tabs'value)", "shown:page2"));
    ASSERT_TRUE(Run("tabs'setvalue \"page1"));
    EXPECT_TRUE(waitFor([&] { return tabs->currentIndex() == 0; }));
}

}  // namespace
