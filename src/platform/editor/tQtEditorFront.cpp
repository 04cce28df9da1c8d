#include "platform/editor/tQtEditorFront.h"

#include "platform/editor/tEditorWindow.h"
#include "processes/tWindowThread.h"

namespace {

// Lines end with CR LF, LF or CR; an empty last line is no line.
void eachLine(const std::string& text, const tQtEditorFront::tTypeLine& typeLine)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        typeLine(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

}  // namespace

void tQtEditorFront::Open(const std::string& title, const std::string& text)
{
    tWindowThread* window = windowThread();
    if (!window) return;
    window->Post([title, text, typeLine = typeLine_] {
        auto define = [typeLine](const std::string& edited) { eachLine(edited, typeLine); };
        (new tEditorWindow(title, text, define))->show();
    });
}
