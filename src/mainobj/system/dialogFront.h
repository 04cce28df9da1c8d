#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Where the dialog primitives show their dialogs: the window's dialogs, installed by the
// window. The requests carry plain texts (words in the language's code page, file names as
// the bytes the file system uses) made under the interpreter lock, so the front never reads a
// Logo value. Without a front the primitives answer through the console (textDialogs.h).

enum class tDialogIcon : uint8_t { kNone, kStop, kQuestion, kWarning, kInformation };

struct tDialogButton {
    int code;  // what "dialogbox" outputs for it
    std::string label;
};

struct tMessageRequest {
    std::string text;
    std::string caption;
    std::vector<tDialogButton> buttons;
    int escapeCode = 1;  // the answer when the dialog is closed without a button
    tDialogIcon icon = tDialogIcon::kNone;
};

struct tLineRequest {
    std::string prompt;
    std::string caption;
    std::string initial;
    std::string okLabel;
    std::string cancelLabel;
};

struct tFileFilter {
    std::string description;
    std::vector<std::string> patterns;  // "*.txt"
};

struct tFileRequest {
    bool save = false;
    std::string caption;
    std::string folder;  // where the chooser starts; empty: the platform's choice
    std::string name;    // the name proposed, without folder
    std::vector<tFileFilter> filters;
    std::string defaultSuffix;  // added to a saved name typed without one ("zxp")
};

struct tColourRequest {
    std::string caption;
    uint32_t initial = 0;  // 0x00RRGGBB
};

struct tItemsRequest {
    std::string caption;
    std::string prompt;
    std::vector<std::string> items;
    int initial = 0;
};

// A pop-up menu: an empty item is a separator line.
struct tPopupRequest {
    std::vector<std::string> items;
    std::optional<std::pair<int, int>> at;  // screen pixels; none: at the pointer
};

// What a dialog gave. `cancelled` holds when it was closed without a choice; then nothing else
// counts (a message dialog then answers its escape code instead).
struct tDialogAnswer {
    bool cancelled = true;
    int code = 0;       // message dialogs: the button's code; item choosers, menus: the index
    std::string text;   // line input: the text; file choosers: the full name
    uint32_t colour = 0;
};

class tDialogFront {
public:
    using tAnswered = std::function<void(tDialogAnswer)>;
    // Closes the dialog it came from as cancelled; does nothing once the dialog has closed.
    using tCloser = std::function<void()>;

    virtual ~tDialogFront() = default;
    // Each is called on the window thread, shows its dialog and returns at once; `answered`
    // is called once, on the window thread, when the dialog closes.
    virtual tCloser ShowMessage(const tMessageRequest& request, tAnswered answered) = 0;
    virtual tCloser ShowLineInput(const tLineRequest& request, tAnswered answered) = 0;
    virtual tCloser ShowFileChooser(const tFileRequest& request, tAnswered answered) = 0;
    virtual tCloser ShowColourChooser(const tColourRequest& request, tAnswered answered) = 0;
    virtual tCloser ShowItemChooser(const tItemsRequest& request, tAnswered answered) = 0;
    virtual tCloser ShowPopup(const tPopupRequest& request, tAnswered answered) = 0;
};

// None in the console.
void installDialogFront(std::shared_ptr<tDialogFront> front);
std::shared_ptr<tDialogFront> dialogFront();

// Shows a dialog through `show` on the window thread and waits for its answer with the
// interpreter lock given up, so other processes run meanwhile. A stop of the calling process
// closes the dialog and ends the process (eTerminateException).
using tShowDialog = std::function<tDialogFront::tCloser(tDialogFront&, tDialogFront::tAnswered)>;
tDialogAnswer awaitDialog(std::shared_ptr<tDialogFront> front, tShowDialog show);

// Through the window's front; as cancelled at once without one (the console), so that a
// script never waits on a chooser nobody can see.
template <class Request>
tDialogAnswer askIfShown(tDialogFront::tCloser (tDialogFront::*show)(const Request&, tDialogFront::tAnswered), Request request)
{
    std::shared_ptr<tDialogFront> front = dialogFront();
    if (!front) return {};
    return awaitDialog(std::move(front), show, std::move(request));
}

// The same wait for any other work of the window that answers once (printing).
using tShowAnswering = std::function<tDialogFront::tCloser(tDialogFront::tAnswered)>;
tDialogAnswer awaitWindowAnswer(tShowAnswering show);

// The same for one of the front's Show routines and its request.
template <class Request>
tDialogAnswer awaitDialog(std::shared_ptr<tDialogFront> front,
                          tDialogFront::tCloser (tDialogFront::*show)(const Request&, tDialogFront::tAnswered), Request request)
{
    return awaitDialog(std::move(front), [show, request = std::move(request)](tDialogFront& shown, tDialogFront::tAnswered answered) {
        return (shown.*show)(request, std::move(answered));
    });
}
