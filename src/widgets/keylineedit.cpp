#include "widgets/keylineedit.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

KeyLineEdit::KeyLineEdit(QWidget* parent) : QLineEdit(parent) {}

int KeyLineEdit::charCode(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Tab: return 9;
    default: break;
    }
    const QString t = e->text();
    if (t.isEmpty()) return -1;
    return t.at(0).unicode();
}

void KeyLineEdit::setLatinOnly(bool on) {
    if (latinOnly_ == on) return;
    latinOnly_ = on;
    if (hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

void KeyLineEdit::deliverKeyDownOnly(QKeyEvent* e) {
    if (onKeyDown) onKeyDown(e);
}

QVariant KeyLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (latinOnly_ && query == Qt::ImEnabled) return false;
    return QLineEdit::inputMethodQuery(query);
}

void KeyLineEdit::keepCaretInText() {
    if (cursorPosition() > text().size()) setCursorPosition(static_cast<int>(text().size()));
}

void KeyLineEdit::mousePressEvent(QMouseEvent* e) {
    QLineEdit::mousePressEvent(e);
    keepCaretInText();
}

void KeyLineEdit::mouseMoveEvent(QMouseEvent* e) {
    QLineEdit::mouseMoveEvent(e);
    keepCaretInText();
}

void KeyLineEdit::mouseDoubleClickEvent(QMouseEvent* e) {
    QLineEdit::mouseDoubleClickEvent(e);
    keepCaretInText();
}

void KeyLineEdit::keyPressEvent(QKeyEvent* e) {
    keepCaretInText();
    if (onKeyDown) onKeyDown(e);
    const int ch = charCode(e);
    if (ch >= 0 && onKeyPress && !onKeyPress(e, ch)) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
    keepCaretInText();
}

void KeyLineEdit::keyReleaseEvent(QKeyEvent* e) {
    QLineEdit::keyReleaseEvent(e);
    if (onKeyUp) onKeyUp(e);
}

void KeyLineEdit::inputMethodEvent(QInputMethodEvent* e) {
    // A read-only line must not take committed text: QLineEdit would still insert it.
    if (isReadOnly()) {
        if (!e->commitString().isEmpty() || !e->preeditString().isEmpty()) {
            e->ignore();
            return;
        }
    }
    const QString before = text();
    QLineEdit::inputMethodEvent(e);
    keepCaretInText();
    if (text() != before && onCommit) onCommit();
}

void KeyLineEdit::setCaretShown(bool on) {
    if (caretShown_ == on) return;
    caretShown_ = on;
    update();
}

void KeyLineEdit::paintEvent(QPaintEvent* e) {
    QLineEdit::paintEvent(e);
    if (!caretShown_ || hasFocus() || isReadOnly()) return;
    // A steady caret, as wide as the line edit's own, over the cursor position.
    const QRect r = cursorRect();
    QPainter p(this);
    p.fillRect(QRect(r.center().x(), r.top(), 1, r.height()), palette().color(QPalette::Text));
}
