#pragma once
// A host for one panel without the main window: fake clock, sound and messages, the
// program's own random source, and the code books and settings read straight from the
// build's program folder, which is never written. The panel goes on `desk`.
#include "exercise/exercisehost.h"
#include "chinese/codebook.h"
#include "common/errors.h"
#include "common/linestore.h"
#include "common/randomsource.h"
#include "radicals/radicaltable.h"
#include "report/reportdialog.h"
#include "sound/music.h"
#include "settings/livesettings.h"
#include "settings/settingsfile.h"
#include "support/fakes.h"

#include <QMap>
#include <QTemporaryDir>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class FakeHost : public ExerciseHost {
public:
    FakeHost() {
        // No user settings file: a fresh user's settings, from the shipped default.
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        LineStore lines;
        settings::readSettings(settings_.edit(), lines, appDir_);
        sound_ = std::make_unique<SoundSystem>(settings_.value(), appDir_, random_, fakeSound,
                                               [this](const QString& text) { fakeMessages.showError(text); });
        desk.setObjectName(QStringLiteral("desk"));
        desk.resize(800, 600);
    }

    const Settings& settings() const override { return settings_.value(); }
    const std::string& appDirectory() const override { return appDir_; }
    LiveSettings& liveSettings() { return settings_; }
    RandomSource& random() override { return random_; }
    Clock& clock() override { return fakeClock; }
    Messages& messages() override { return fakeMessages; }
    SoundSystem& sound() override { return *sound_; }
    LineStore& lessonStore() override { return lessons; }
    const CodeBook& codeBook(int n) override {
        static const char* const names[] = {"/jaxo.sy1", "/jaxo2.sy2", "/jaxo3.sy3", "/jaxo4.sy4"};
        const int i = (n >= 1 && n <= 4) ? n - 1 : 3;
        if (!books_[i]) {
            books_[i] = std::make_unique<CodeBook>();
            books_[i]->loadFile(appDir_ + names[i]);
        }
        return *books_[i];
    }

    void collapseToolBar() override {
        toolBarCollapsed = true;
        toolBarEnabled = false;
    }
    void setToolBarEnabled(bool on) override { toolBarEnabled = on; }
    void restoreMainScreen() override {
        toolBarCollapsed = false;
        toolBarEnabled = true;
        sound_->mainScreenMusic();
    }
    // The report as the main window opens it: modal, closed here unless onModal closed it.
    void openReport(const ExerciseScore& score) override {
        ReportDialog report(*this, score, &desk);
        ++modalCount;
        lastModal = report.objectName();
        lastReport = report.figures();
        if (onModal) onModal(report);
        if (report.isVisible() || !report.result()) report.reject();
    }
    void setHint(const QString& text) override { statusHint = text; }
    void showError(const JaxoError& error) override { fakeMessages.showError(errors::displayText(error.text())); }
    void registerHint(QWidget* widget, const QString& hint) override {
        widget->setAccessibleDescription(hint);
        hints[widget->objectName()] = hint;
    }

    QString appDir() const { return QString::fromStdString(appDir_); }
    template <typename T>
    T* find(const QString& name) const {
        return desk.findChild<T*>(name);
    }

    FakeClock fakeClock;
    FakeMessages fakeMessages;
    FakeSound fakeSound;

    LineStore lessons;
    // What the tool bar shows: collapsed to its tabs, and whether it takes clicks.
    bool toolBarCollapsed = false;
    bool toolBarEnabled = true;
    QString statusHint;
    QMap<QString, QString> hints;  // object name -> status-bar hint
    int modalCount = 0;
    QString lastModal;
    QString lastReport;  // the figures the last report read out
    std::function<void(QDialog&)> onModal;

private:
    QTemporaryDir config_;
    ExerciseScore score_;
    LiveSettings settings_;
    const std::string appDir_ = JAXO_BUILD_APPDIR;
    RandomSource random_;
    std::unique_ptr<SoundSystem> sound_;
    std::array<std::unique_ptr<CodeBook>, 4> books_;

public:
    // Last, so the panels on it go before everything they refer to.
    QWidget desk;
};
