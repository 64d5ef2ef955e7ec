#pragma once
// A single-line edit that reports key-down, key-press (the character), key-up and
// input-method commits separately, as the exercise handlers need them.
#include <QLineEdit>
#include <functional>

class QKeyEvent;

class KeyLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KeyLineEdit(QWidget* parent = nullptr);

    // Any key goes down (auto-repeats included).
    std::function<void(QKeyEvent*)> onKeyDown;
    // A character key: the character code (27 Escape, 8 Backspace, 13 Enter, else the
    // first UTF-16 unit of the text). Return false to drop the character.
    std::function<bool(QKeyEvent*, int ch)> onKeyPress;
    // Any key is released.
    std::function<void(QKeyEvent*)> onKeyUp;
    // Committed input-method text changed the line.
    std::function<void()> onCommit;

    // Lines that only take Latin keys: the input method is told to stay out, so plain
    // key events arrive even when a Chinese input method is on.
    void setLatinOnly(bool on);

    // The character code of a key event, or -1 for keys that type nothing.
    static int charCode(const QKeyEvent* e);

    // Called by the main window's key preview for Enter: the key-down reaches the line,
    // the character does not.
    void deliverKeyDownOnly(QKeyEvent* e);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    // A line written through a page's one input client never has the focus itself:
    // the client shows the caret here while it has the focus.
    void setCaretShown(bool on);
    bool caretShown() const { return caretShown_; }

protected:
    friend class PageInput;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    // The toolkit places the caret from its last layout of the line: a pre-edit left
    // behind or a scroll from before the text was replaced can put it past the end,
    // where Backspace reads outside the text. It is brought back to the end.
    void keepCaretInText();

    bool latinOnly_ = false;
    bool caretShown_ = false;
};
