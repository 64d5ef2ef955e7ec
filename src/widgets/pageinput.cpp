#include "widgets/pageinput.h"

#include "widgets/access.h"
#include "widgets/keylineedit.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMouseEvent>

PageInput::PageInput(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
}

void PageInput::setTarget(KeyLineEdit* line) {
    KeyLineEdit* old = target_;
    if (old == line) return;
    const bool wasEnabled = inputMethodQuery(Qt::ImEnabled).toBool();
    if (old) {
        // The composition leaves with the focus of the text, not with the line it was shown on.
        if (!preedit_.isEmpty()) {
            QInputMethodEvent clear;
            old->inputMethodEvent(&clear);
        }
        old->setCaretShown(false);
    }
    if (old) a11y::speakFor(old, nullptr);
    target_ = line;
    if (!line) return;
    // A screen reader follows the focus: the input speaks for the line it writes into.
    a11y::speakFor(line, this);
    setAccessibleName(line->accessibleName());
    setAccessibleDescription(line->accessibleDescription());
    setGeometry(line->geometry());
    raise();
    line->setCaretShown(hasFocus());
    if (!preedit_.isEmpty()) {
        QInputMethodEvent moved(preedit_, preeditAttributes_);
        line->inputMethodEvent(&moved);
    }
    Qt::InputMethodQueries changed = Qt::ImQueryInput;
    if (inputMethodQuery(Qt::ImEnabled).toBool() != wasEnabled) changed |= Qt::ImEnabled;
    tellInputMethod(changed);
}

QVariant PageInput::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (!target_) return QWidget::inputMethodQuery(query);
    QVariant v = target_->inputMethodQuery(query);
    switch (query) {
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle:
    case Qt::ImInputItemClipRectangle: {
        const QPoint offset = target_->geometry().topLeft() - geometry().topLeft();
        return QVariant(v.toRectF().translated(offset));
    }
    default: return v;
    }
}

void PageInput::refresh() { tellInputMethod(Qt::ImQueryAll); }

void PageInput::tellInputMethod(Qt::InputMethodQueries queries) {
    if (hasFocus()) QGuiApplication::inputMethod()->update(queries);
}

bool PageInput::event(QEvent* e) {
    // Editing keys stay with the line instead of triggering shortcuts elsewhere.
    if (e->type() == QEvent::ShortcutOverride && target_) return target_->event(e);
    return QWidget::event(e);
}

void PageInput::keyPressEvent(QKeyEvent* e) {
    if (!target_) return QWidget::keyPressEvent(e);
    target_->keyPressEvent(e);
    tellInputMethod(Qt::ImQueryInput);
}

void PageInput::keyReleaseEvent(QKeyEvent* e) {
    if (!target_) return QWidget::keyReleaseEvent(e);
    target_->keyReleaseEvent(e);
}

void PageInput::inputMethodEvent(QInputMethodEvent* e) {
    preedit_ = e->preeditString();
    preeditAttributes_ = e->attributes();
    if (!target_) return QWidget::inputMethodEvent(e);
    // The line may hand over inside this call: the composition then follows the target.
    target_->inputMethodEvent(e);
    tellInputMethod(Qt::ImQueryInput);
}

void PageInput::focusInEvent(QFocusEvent* e) {
    if (target_) target_->setCaretShown(true);
    QWidget::focusInEvent(e);
}

void PageInput::focusOutEvent(QFocusEvent* e) {
    if (target_) target_->setCaretShown(false);
    QWidget::focusOutEvent(e);
}

void PageInput::forwardMouse(QMouseEvent* e) {
    if (!target_) return e->ignore();
    QMouseEvent moved(e->type(), e->position(), e->scenePosition(), e->globalPosition(), e->button(), e->buttons(),
                      e->modifiers(), e->pointingDevice());
    switch (e->type()) {
    case QEvent::MouseButtonPress: target_->mousePressEvent(&moved); break;
    case QEvent::MouseMove: target_->mouseMoveEvent(&moved); break;
    case QEvent::MouseButtonRelease: target_->mouseReleaseEvent(&moved); break;
    case QEvent::MouseButtonDblClick: target_->mouseDoubleClickEvent(&moved); break;
    default: break;
    }
    e->setAccepted(moved.isAccepted());
    tellInputMethod(Qt::ImQueryInput);
}

void PageInput::mousePressEvent(QMouseEvent* e) { forwardMouse(e); }
void PageInput::mouseMoveEvent(QMouseEvent* e) { forwardMouse(e); }
void PageInput::mouseReleaseEvent(QMouseEvent* e) { forwardMouse(e); }
void PageInput::mouseDoubleClickEvent(QMouseEvent* e) { forwardMouse(e); }

void PageInput::contextMenuEvent(QContextMenuEvent* e) {
    if (!target_) return e->ignore();
    target_->contextMenuEvent(e);
}
