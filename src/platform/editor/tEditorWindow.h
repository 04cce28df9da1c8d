#pragma once

#include <QWidget>

#include <functional>
#include <string>

class QPlainTextEdit;
class QPushButton;

// A window with the text of some definitions. "Define" hands the text, as it now stands, to
// whatever defines typed lines; the window stays open for more changes. Closing it loses
// nothing that was defined.
class tEditorWindow : public QWidget {
public:
    using tDefine = std::function<void(const std::string& text)>;
    tEditorWindow(const std::string& title, const std::string& text, tDefine define);

    QPlainTextEdit& Text() { return *text_; }
    QPushButton& DefineButton() { return *define_; }

private:
    void Define();

    QPlainTextEdit* text_;
    QPushButton* define_;
    tDefine defineText_;
};
