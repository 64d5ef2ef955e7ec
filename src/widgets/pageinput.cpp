#include "widgets/pageinput.h"

#include "widgets/keylineedit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

namespace {
// For a screen reader the input is the text being written: an editable text whose
// content, caret and changes are those of the target line.
class PageInputInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PageInputInterface(PageInput* w) : QAccessibleWidget(w, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                               : QAccessibleWidget::interface_cast(t);
    }
    using QAccessibleWidget::text;
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const KeyLineEdit* line = input()->target();
        s.editable = line && !line->isReadOnly();
        s.readOnly = !s.editable;
        return s;
    }

    void selection(int i, int* start, int* end) const override {
        *start = *end = 0;
        if (auto* t = lineText()) t->selection(i, start, end);
    }
    int selectionCount() const override { return lineText() ? lineText()->selectionCount() : 0; }
    void addSelection(int start, int end) override {
        if (auto* t = lineText()) t->addSelection(start, end);
    }
    void removeSelection(int i) override {
        if (auto* t = lineText()) t->removeSelection(i);
    }
    void setSelection(int i, int start, int end) override {
        if (auto* t = lineText()) t->setSelection(i, start, end);
    }
    int cursorPosition() const override { return lineText() ? lineText()->cursorPosition() : 0; }
    void setCursorPosition(int position) override {
        if (auto* t = lineText()) t->setCursorPosition(position);
    }
    QString text(int start, int end) const override { return lineText() ? lineText()->text(start, end) : QString(); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType b, int* start, int* end) const override {
        if (auto* t = lineText()) return t->textBeforeOffset(offset, b, start, end);
        *start = *end = -1;
        return {};
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType b, int* start, int* end) const override {
        if (auto* t = lineText()) return t->textAfterOffset(offset, b, start, end);
        *start = *end = -1;
        return {};
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType b, int* start, int* end) const override {
        if (auto* t = lineText()) return t->textAtOffset(offset, b, start, end);
        *start = *end = -1;
        return {};
    }
    int characterCount() const override { return lineText() ? lineText()->characterCount() : 0; }
    QRect characterRect(int offset) const override { return lineText() ? lineText()->characterRect(offset) : QRect(); }
    int offsetAtPoint(const QPoint& point) const override { return lineText() ? lineText()->offsetAtPoint(point) : -1; }
    void scrollToSubstring(int start, int end) override {
        if (auto* t = lineText()) t->scrollToSubstring(start, end);
    }
    QString attributes(int offset, int* start, int* end) const override {
        if (auto* t = lineText()) return t->attributes(offset, start, end);
        *start = *end = offset;
        return {};
    }

private:
    PageInput* input() const { return static_cast<PageInput*>(widget()); }
    QAccessibleTextInterface* lineText() const {
        KeyLineEdit* line = input()->target();
        QAccessibleInterface* i = line ? QAccessible::queryAccessibleInterface(line) : nullptr;
        return i ? i->textInterface() : nullptr;
    }
};

QAccessibleInterface* pageInputFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("PageInput") && object && object->isWidgetType())
        return new PageInputInterface(static_cast<PageInput*>(object));
    return nullptr;
}
}  // namespace

PageInput::PageInput(QWidget* parent) : QWidget(parent) {
    static const bool factory = [] {
        QAccessible::installFactory(pageInputFactory);
        return true;
    }();
    (void)factory;
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
    if (old) disconnect(old, nullptr, this, nullptr);
    target_ = line;
    if (!line) return;
    // A screen reader follows the focus: the input is named as the line it writes
    // into and reports that line's text changes as its own.
    setAccessibleName(line->accessibleName());
    const QString before = spokenText_;
    spokenText_ = line->text();
    if (QAccessible::isActive() && before != spokenText_) {
        QAccessibleTextUpdateEvent e(this, 0, before, spokenText_);
        QAccessible::updateAccessibility(&e);
    }
    connect(line, &QLineEdit::textChanged, this, &PageInput::tellTextChange);
    connect(line, &QLineEdit::cursorPositionChanged, this, [this](int, int now) {
        QAccessibleTextCursorEvent e(this, now);
        QAccessible::updateAccessibility(&e);
    });
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

void PageInput::tellTextChange(const QString& now) {
    const QString before = std::exchange(spokenText_, now);
    if (!QAccessible::isActive()) return;
    // What changed between the common start and the common end.
    qsizetype head = 0;
    while (head < before.size() && head < now.size() && before[head] == now[head]) ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < now.size() - head &&
           before[before.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    const QString removed = before.mid(head, before.size() - head - tail);
    const QString inserted = now.mid(head, now.size() - head - tail);
    if (!removed.isEmpty()) {
        QAccessibleTextRemoveEvent e(this, static_cast<int>(head), removed);
        QAccessible::updateAccessibility(&e);
    }
    if (!inserted.isEmpty()) {
        QAccessibleTextInsertEvent e(this, static_cast<int>(head), inserted);
        QAccessible::updateAccessibility(&e);
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
