#pragma once
// The one input-method client of a page of typing lines. It keeps the focus for the
// whole page and hands every key, commit, pre-edit and query to the line being
// written, so moving to the next line or page changes where text goes, never the
// focus: an input method with keys still in flight sees no focus change and no reset.
#include <QInputMethodEvent>
#include <QPointer>
#include <QWidget>

class KeyLineEdit;

class PageInput : public QWidget {
    Q_OBJECT
public:
    explicit PageInput(QWidget* parent);

    // The line that takes the text from now on; it must share this widget's parent.
    // The input lies over it and its caret shows there while the input has the focus.
    void setTarget(KeyLineEdit* line);
    KeyLineEdit* target() const { return target_; }
    // The target's answers changed (it now takes plain keys only, say): the input
    // method asks again. Nothing is reset.
    void refresh();

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void forwardMouse(QMouseEvent* e);
    void tellTextChange(const QString& now);
    void tellInputMethod(Qt::InputMethodQueries queries);

    QPointer<KeyLineEdit> target_;
    // The composition on show, moved with the text when the target changes.
    QString preedit_;
    QList<QInputMethodEvent::Attribute> preeditAttributes_;
    // The text a screen reader was last told the input holds.
    QString spokenText_;
};
