#pragma once

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "controls/toolState.h"
#include "turtle/tFontRecord.h"

class tmultiobject;

// The kinds of simple controls: what a learner puts on a page besides turtles and panes.
enum class tSimpleControlKind : uint8_t { kTextBox, kButton, kSwitch, kSlider, kToolButton,
    // The pickers: of a colour, of a shade along a row of colours, of a pen width; a button that
    // plays a melody; the tabs that switch the shown page of a window.
    kColourButton, kColourSlider, kWidthSwitch, kMelodyButton, kPageSwitch,
    // A line between the tool buttons of a tool bar.
    kSeparator };

// Everything the window needs to show a simple control, copied out in one piece.
struct tSimpleControlState {
    tSimpleControlKind kind = tSimpleControlKind::kButton;
    // Bounds in the pixels of the page or pane the control lies on.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // The drawing surface of the page or pane the control lies on (identity only, never read
    // here): the window finds where it lies on the page it shows, and whether it is shown.
    const void* ground = nullptr;
    bool shown = true;
    bool enabled = true;
    std::string hint;
    // A text box's text; a button's or switch's caption. Words in the language's code page.
    std::string text;
    bool oneLine = false;  // a text box of one line: Enter ends the edit
    // A button held down, a switch on.
    bool down = false;
    // A button that stays down when pressed and comes up when pressed again.
    bool latching = false;
    int minimum = 0;
    int maximum = 100;
    int value = 0;
    bool vertical = false;
    // A colour button's colour (0x00RRGGBB); a colour slider runs over the shades (its value,
    // 1 to 12) of one row of the shade table.
    uint32_t colour = 0;
    int shadeRow = 0;
    // A melody button's melody, its tokens separated by blanks.
    std::string melody;
    // The pages a page switch offers (their names) and the one its window shows.
    std::vector<std::string> pages;
    std::string shownPage;
    // A text box's font and colours, a slider's ground: none until set, the widget's own look.
    std::optional<tFontRecord> font;
    std::optional<uint32_t> textColour;  // 0x00RRGGBB
    std::optional<uint32_t> background;
    bool transparent = false;  // a slider shows what lies under it
    // A button's picture, shown beside its caption; null when it has none. Copies share the
    // pixels (QImage counts them atomically), so the window thread may keep one.
    QImage picture;
    // The user changed the text or value since the last "onChanged".
    bool unsettled = false;
    tToolState tool;
};

// The graphic part of a simple control. Logo processes change it under the interpreter lock,
// the window thread reads it (and stores what the user typed or moved) without that lock, so
// the state has a lock of its own and the window is told of every change to show it.
class tLogoControlParams : public std::enable_shared_from_this<tLogoControlParams> {
public:
    tLogoControlParams(tSimpleControlKind kind, tmultiobject* owner);

    tSimpleControlState State() const;
    // Changes the state and tells the window, once the control is announced.
    void Change(const std::function<void(tSimpleControlState&)>& change);
    // From now on the window shows the control (creation is complete).
    void Announce();
    // Stores what the user did, which the window shows already: the window is not told.
    void TakeFromUser(const std::function<void(tSimpleControlState&)>& change);
    // The control is gone: the window takes it away and user actions reach nothing.
    void Withdraw();

    // Whether the window shows the control: announced and not withdrawn.
    bool Announced() const;

    // The object, while it lives; only read under the interpreter lock.
    tmultiobject* Owner() const { return owner_; }

    // Set while a handler started by a change of the user ("onChange") runs, so that a slider
    // dragged fast does not pile processes up; under the state lock.
    bool TakeChangeSlot();
    void FreeChangeSlot();

private:
    void Tell();

    mutable std::mutex lock_;
    tSimpleControlState state_;
    tmultiobject* owner_;
    bool announced_ = false;
    bool changeRunning_ = false;
};
