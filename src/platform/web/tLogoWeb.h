#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "objects/tControlObject.h"
#include "turtle/controlProperties.h"

class tLogoprocess;

// What the last load of a web window brought: the page's text as it arrived, its content type
// and the transfer's result code (kTransferDone, an HTTP status, kNoConnection ...); code 0
// while nothing has been loaded yet or a load is under way.
struct tWebPage {
    std::string text;
    std::string contentType;
    int code = 0;
};

// A web window: an instance of the web class, a window of its own on the desktop that shows
// the page at its address. Its state is kept here, under the interpreter lock; the window
// front shows it in the windowed program, the console keeps it alone.
class tLogoWeb : public tControlObject {
public:
    // Web windows stand on the desktop, not in a place.
    tLogoWeb(tLogoStack* stack, std::string name, int parentCount);

    const char* ClassName() const override { return "tLogoWeb"; }
    // What "new" makes for the web class.
    static tControlObject* Make(tLogoStack& stack, const std::string& name);
    // The address given while the object was made loads once it is made.
    void FinishCreation() override;

    // The web window of an object a property or command runs on; erNotInsideWin when it is none.
    static tLogoWeb& Of(tmultiobject& object);

    // Loads the page at the address again, in a process of its own: "onBegin" runs first, then
    // the page is fetched without the interpreter lock, kept and shown, and "onComplete" runs.
    // A load still under way is superseded: its page is dropped and its "onComplete" never runs.
    void Load();
    // Shows the object as it is now, when a front shows web windows.
    void Show();

    // Where the window stands on the desktop and the size of what it shows; kept on the window
    // thread, where the front also writes what the user does to the window.
    tControlBounds bounds{100, 100, 640, 480};
    std::string address;
    std::string caption;  // the page's own title shows while it is empty
    bool maximized = false;
    int32_t style = 0;  // 0 an ordinary window, 1 a tool window with a slim title bar
    bool titleBar = true;
    tWebPage page;
    // Counts the loads; a load whose number is no longer the last one is superseded.
    uint64_t loads = 0;
    std::weak_ptr<tLogoprocess> loader;
};
