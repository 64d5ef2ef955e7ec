#include "widgets/access.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <utility>

namespace {
const char* const kDecoration = "jaxoDecoration";
const char* const kLiveRegion = "jaxoLiveRegion";
const char* const kWindowsRegion = "jaxoWindowsLiveRegion";
const char* const kUtterance = "jaxoUtterance";
// Older texts go once a reader has surely fetched them, in a quiet moment: each one
// removed is one more event for a reader that may already be behind the keys.
constexpr qsizetype kKeptUtterances = 4;
constexpr qsizetype kMostUtterances = 256;
constexpr int kQuietMs = 3000;

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

QObjectList utterances(const QObject* region) {
    QObjectList out;
    for (QObject* o : region->children())
        if (o->property(kUtterance).isValid()) out << o;
    return out;
}

// The live region: a nameless panel whose children are the texts said so far.
class LiveRegionInterface : public QAccessibleWidget {
public:
    explicit LiveRegionInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::Grouping) {}
    int childCount() const override { return static_cast<int>(utterances(object()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QObjectList list = utterances(object());
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(utterances(object()).indexOf(child->object())) : -1;
    }
};

// One text said: a notification that never changes.
class UtteranceInterface : public QAccessibleObject {
public:
    explicit UtteranceInterface(QObject* o) : QAccessibleObject(o) {}
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? object()->property(kUtterance).toString() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QRect rect() const override {
        const QAccessibleInterface* p = parent();
        return p ? p->rect() : QRect();
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (!object) return nullptr;
    if (object->property(kUtterance).isValid()) return new UtteranceInterface(object);
    if (!object->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (object->property(kDecoration).toBool()) return new DecorationInterface(w);
    if (object->property(kLiveRegion).toBool()) return new LiveRegionInterface(w);
    return nullptr;
}

void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void send(QObject* o, QAccessible::Event type) {
    QAccessibleEvent e(o, type);
    QAccessible::updateAccessibility(&e);
}

// Texts asked for in one pass of the event loop are said as one: a reader stops one
// notification for the next, so "line done" followed by "next: x" would lose the first.
class LiveRegion : public QWidget {
public:
    explicit LiveRegion(QWidget* parent) : QWidget(parent) {
        quiet_.setSingleShot(true);
        quiet_.setInterval(kQuietMs);
        connect(&quiet_, &QTimer::timeout, this, [this] { forget(kKeptUtterances); });
    }
    void add(const QString& text) {
        if (pending_.isEmpty()) QTimer::singleShot(0, this, [this] { say(); });
        pending_ << text;
    }

private:
    void forget(qsizetype keep) {
        const QObjectList old = utterances(this);
        for (qsizetype i = 0; i + keep < old.size(); ++i) {
            send(old[i], QAccessible::ObjectDestroyed);
            delete old[i];
        }
    }

    void say() {
        QString text;
        for (const QString& piece : std::exchange(pending_, {})) {
            if (!text.isEmpty() && !text.endsWith(QChar(0x3002))) text += QChar(0x3002);
            text += piece;
        }
        forget(kMostUtterances - 1);
        quiet_.start();
        auto* said = new QObject(this);
        said->setProperty(kUtterance, text);
        send(said, QAccessible::ObjectCreated);
        send(said, QAccessible::ObjectShow);
    }

    QStringList pending_;
    QTimer quiet_;
};

LiveRegion* makeLiveRegion(QWidget* parent) {
    installFactory();
    auto* region = new LiveRegion(parent);
    region->setObjectName(QString::fromLatin1(kLiveRegion));
    region->setProperty(kLiveRegion, true);
    region->setAttribute(Qt::WA_TransparentForMouseEvents);
    region->setFocusPolicy(Qt::NoFocus);
    region->setGeometry(0, 0, 1, 1);
    region->show();
    parent->window()->setProperty(kWindowsRegion, QVariant::fromValue<QObject*>(region));
    return region;
}
}  // namespace

DecorationLabel::DecorationLabel(QWidget* parent) : QLabel(parent) { a11y::hideDecoration(this); }

namespace a11y {

void hideDecoration(QWidget* widget) {
    installFactory();
    widget->setProperty(kDecoration, true);
}

QString spoken(const QString& text) {
    QString out = text;
    while (out.endsWith(QLatin1Char('.')) || out.endsWith(QChar(0x2026))) out.chop(1);
    return out.trimmed();
}

void placeLiveRegion(QWidget* statusBar) {
    if (!statusBar->window()->property(kWindowsRegion).value<QObject*>()) makeLiveRegion(statusBar);
}

void announce(QWidget* from, const QString& text) {
    if (!from || text.isEmpty()) return;
    QWidget* window = from->window();
    // The window keeps its region at hand: no search of its widgets on every key.
    auto* region = static_cast<LiveRegion*>(window->property(kWindowsRegion).value<QObject*>());
    if (!region) region = makeLiveRegion(window);
    region->add(text);
}

}  // namespace a11y
