#pragma once
// A platform input context for tests: linked into a test program as a static plugin
// under the key "jaxofake" (QT_IM_MODULE=jaxofake before the application starts). It
// records what an input method would see (resets, commits of the composition, focus
// changes) and delivers text the way one does: to whatever has the focus.
#include <QObject>
#include <QString>
#include <qpa/qplatforminputcontext.h>
#include <qpa/qplatforminputcontextplugin_p.h>

class FakeInputContext : public QPlatformInputContext {
public:
    FakeInputContext();
    ~FakeInputContext() override;
    // The one instance the platform made, or null when the plugin was not picked.
    static FakeInputContext* instance();

    bool isValid() const override { return true; }
    void reset() override { ++resets; }
    void commit() override { ++commits; }
    void setFocusObject(QObject* object) override;

    // A composition on show, then text committed, to the focus object.
    static void preedit(const QString& text);
    static void commitText(const QString& text, const QString& nextPreedit = QString());

    int resets = 0;
    int commits = 0;
    int focusChanges = 0;  // moves of the focus from one object to another
    QObject* focus = nullptr;
};

class FakeInputContextPlugin : public QPlatformInputContextPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QPlatformInputContextFactoryInterface_iid FILE "fakeinputcontext.json")
public:
    QPlatformInputContext* create(const QString& key, const QStringList& paramList) override;
};
