#pragma once

#include <memory>
#include <string>
#include <vector>

// The main window's bar of buttons, as "setbuttons" and its siblings set it. Each button runs
// its instructions as a line typed in the command area would run. The console keeps the
// state and answers it, but shows nothing.

struct tBarButton {
    std::string caption;
    std::string instructions;  // the text of the line the button types
    std::string help;          // shown in a bubble over the button while bubbles are on
};

struct tButtonBarState {
    std::vector<tBarButton> buttons;
    int size = 24;  // the buttons' least width and height, in pixels
    bool shown = false;
    bool bubbles = true;
};

class tButtonBarFront {
public:
    virtual ~tButtonBarFront() = default;
    // On the window thread: the bar as the state says, in place of what it showed.
    virtual void Show(const tButtonBarState& state) = 0;
};

// None in the console; the window installs its bar and shows it as the state stands.
void installButtonBarFront(std::shared_ptr<tButtonBarFront> front);
std::shared_ptr<tButtonBarFront> buttonBarFront();

// The bar's height on the screen, 0 while none is shown; the window's bar reports it.
int buttonBarHeight();
void setButtonBarHeight(int height);
