#pragma once
// A real MainWindow on a private copy of appDir, with fake services. HOME and the XDG
// folders point into a temporary folder, so no test writes into the real home.
#include "app/mainwindow.h"
#include "common/install.h"
#include "support/fakes.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class TestForm {
public:
    // Copies every run-time file of the build's appDir (except those in `without`),
    // then lets `prepare` change the copy before the window is built.
    explicit TestForm(const QStringList& without = {}, const std::function<void(const QString& appDir)>& prepare = {}) {
        home_ = tmp_.path() + QStringLiteral("/home");
        appDir_ = tmp_.path() + QStringLiteral("/app");
        QDir().mkpath(home_ + QStringLiteral("/Desktop"));
        QDir().mkpath(appDir_);
        qputenv("HOME", home_.toUtf8());
        qputenv("XDG_DATA_HOME", (home_ + QStringLiteral("/.local/share")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_ + QStringLiteral("/.config")).toUtf8());
        qputenv("XDG_DESKTOP_DIR", (home_ + QStringLiteral("/Desktop")).toUtf8());
        // System data folders of its own: an installed copy's launcher must not count.
        qputenv("XDG_DATA_DIRS", (tmp_.path() + QStringLiteral("/system")).toUtf8());
        copyTree(QStringLiteral(JAXO_BUILD_APPDIR), appDir_, without);
        if (prepare) prepare(appDir_);
        build();
    }

    // Builds (or rebuilds, as a second start) the window on the same appDir; everyPanel
    // false leaves the panels to be made at their first use, as the program does.
    void build(bool everyPanel = true) {
        form.reset();
        MainWindowServices s;
        s.clock = &clock;
        s.messages = &messages;
        s.shell = &shell;
        s.sound = &sound;
        s.appDir = appDir_.toStdString();
        s.runModal = [this](QDialog& d) {
            ++modalCount;
            lastModal = d.objectName();
            if (onModal) onModal(d);
            if (d.isVisible() || !d.result()) d.reject();
        };
        s.openHistory = openHistory;
        s.randomSeed = randomSeed;
        s.historyModule = historyModule.isEmpty() ? appDir_ + QLatin1Char('/') + QLatin1String(install::kHistoryModule)
                                                  : historyModule;
        form = std::make_unique<MainWindow>(s);
        if (!everyPanel) return;
        // Every panel made, as once the learner has opened each: the tests find their
        // controls by name before they start.
        form->chinesePanel();
        form->englishPanel();
        form->radicalPanel();
        form->schemeKeyPanel();
        form->wordPanel();
        form->settingsPanel();
    }

    QString appDir() const { return appDir_; }
    QString home() const { return home_; }
    QString file(const QString& name) const { return appDir_ + QLatin1Char('/') + name; }

    template <typename T>
    T* find(const QString& name) const {
        return form->findChild<T*>(name);
    }

    FakeClock clock;
    FakeMessages messages;
    FakeShell shell;
    FakeSound sound;
    int modalCount = 0;
    QString lastModal;
    // Runs while a modal window is "open"; the window is closed afterwards unless it
    // closed itself.
    std::function<void(QDialog&)> onModal;
    // Opens the history store of the window built next; none by default.
    std::function<std::unique_ptr<history::Store>()> openHistory;
    // The module file of the history window of the window built next; by default the
    // one copied with appDir.
    QString historyModule;
    // The random source's seed of the window built next: the fixed sequence by default.
    std::uint64_t randomSeed = RandomSource::kFixedSeed;
    std::unique_ptr<MainWindow> form;

private:
    static void copyTree(const QString& from, const QString& to, const QStringList& without) {
        QDir src(from);
        for (const QFileInfo& fi : src.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (without.contains(fi.fileName())) continue;
            const QString target = to + QLatin1Char('/') + fi.fileName();
            if (fi.isDir()) {
                QDir().mkpath(target);
                copyTree(fi.filePath(), target, without);
            } else if (fi.fileName() != QLatin1String("jaxo")) {
                QFile::copy(fi.filePath(), target);
                QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
            }
        }
    }

    QTemporaryDir tmp_;
    QString home_;
    QString appDir_;
};
