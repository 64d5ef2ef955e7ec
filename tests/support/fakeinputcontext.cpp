#include "support/fakeinputcontext.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>

namespace {
FakeInputContext* g_instance = nullptr;

void send(QInputMethodEvent& e) {
    if (QObject* target = QGuiApplication::focusObject()) QCoreApplication::sendEvent(target, &e);
}
}  // namespace

FakeInputContext::FakeInputContext() { g_instance = this; }
FakeInputContext::~FakeInputContext() {
    if (g_instance == this) g_instance = nullptr;
}
FakeInputContext* FakeInputContext::instance() { return g_instance; }

void FakeInputContext::setFocusObject(QObject* object) {
    if (object == focus) return;
    ++focusChanges;
    focus = object;
}

void FakeInputContext::preedit(const QString& text) {
    QInputMethodEvent e(text, {QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, int(text.size()), 1)});
    send(e);
}

void FakeInputContext::commitText(const QString& text, const QString& nextPreedit) {
    QInputMethodEvent e(nextPreedit, {});
    e.setCommitString(text);
    send(e);
}

QPlatformInputContext* FakeInputContextPlugin::create(const QString& key, const QStringList&) {
    return key.compare(QLatin1String("jaxofake"), Qt::CaseInsensitive) == 0 ? new FakeInputContext : nullptr;
}
