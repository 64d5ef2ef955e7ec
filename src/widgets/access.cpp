#include "widgets/access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace {
const char* const kDecoration = "jaxoDecoration";
const char* const kSpeaker = "jaxoSpeaker";

// Present for the tree, but nameless and never showing, so readers skip it.
class DecorationInterface : public QAccessibleWidget {
public:
    explicit DecorationInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::NoRole) {}
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* decorationFactory(const QString&, QObject* object) {
    if (object && object->isWidgetType() && object->property(kDecoration).toBool())
        return new DecorationInterface(static_cast<QWidget*>(object));
    return nullptr;
}
}  // namespace

DecorationLabel::DecorationLabel(QWidget* parent) : QLabel(parent) { a11y::hideDecoration(this); }

namespace a11y {

void hideDecoration(QWidget* widget) {
    static const bool installed = [] {
        QAccessible::installFactory(decorationFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(kDecoration, true);
}

void announce(QWidget* widget, const QString& description) {
    // The toolkit sends the DescriptionChanged event itself, once per change.
    widget->setAccessibleDescription(description);
    if (auto* speaker = qobject_cast<QWidget*>(widget->property(kSpeaker).value<QObject*>()))
        speaker->setAccessibleDescription(description);
}

void speakFor(QWidget* widget, QWidget* speaker) { widget->setProperty(kSpeaker, QVariant::fromValue<QObject*>(speaker)); }

}  // namespace a11y
