#pragma once
// The main window: the tool bar, the status bar, the exercise panels, and what they
// share: the settings in effect, the program folder, the sound.
#include "exercise/exercisehost.h"
#include "exercise/exercisekinds.h"
#include "chinese/codebook.h"
#include "chinese/schemebooks.h"
#include "common/linestore.h"
#include "common/platform.h"
#include "common/randomsource.h"
#include "history/historystore.h"
#include "settings/livesettings.h"
#include "sound/music.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <thread>

class QDialog;
class QLabel;
class FilledPicture;
class QMenu;
class QTabWidget;
class QToolButton;
class QAction;
class ChinesePanel;
class EnglishPanel;
class RadicalPanel;
class SchemeKeyPanel;
class WordPanel;
class SettingsPanel;
class Today;
namespace history {
class Recorder;
}

struct MainWindowServices {
    Clock* clock = nullptr;
    Messages* messages = nullptr;
    Shell* shell = nullptr;
    SoundOutput* sound = nullptr;
    std::string appDir;  // the program's directory, without a trailing separator
    // Shows a modal window and returns when it closes; tests close it themselves.
    std::function<void(QDialog&)> runModal;
    // Opens the results history; tests give their own store.
    std::function<std::unique_ptr<history::Store>()> openHistory;
    // The module file of the 成绩记录 window, loaded at its first opening.
    QString historyModule;
    // The random source's seed: the program takes it from the clock (random::startSeed);
    // tests keep the fixed sequence.
    std::uint64_t randomSeed = RandomSource::kFixedSeed;
};

class MainWindow : public QMainWindow, public ExerciseHost {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // ExerciseHost
    const Settings& settings() const override { return settings_.value(); }
    const std::string& appDirectory() const override { return services_.appDir; }
    RandomSource& random() override { return random_; }
    Clock& clock() override { return *services_.clock; }
    Messages& messages() override { return *services_.messages; }
    SoundSystem& sound() override { return *sound_; }
    LineStore& lessonStore() override { return lessonStore_; }
    const CodeBook& codeBook(int n) override;
    const scheme::Scheme& scheme() const override { return *scheme_; }
    void collapseToolBar() override;
    void setToolBarEnabled(bool on) override;
    void restoreMainScreen() override;
    void openReport(const ExerciseScore& score) override;
    void setHint(const QString& text) override;
    void showError(const JaxoError& error) override;

    // Shows a modal window through the services (the About box, the report).
    void runModal(QDialog& dialog);
    // Status-bar hint for a control: shown in panel 1 when the pointer moves over it,
    // and the control's accessible description.
    void registerHint(QWidget* widget, const QString& hint) override;

    // The settings in effect, to change them other than through the settings panel.
    LiveSettings& liveSettings() { return settings_; }
    QTabWidget* toolBarTabs() const { return toolBarTabs_; }
    // Each panel is made at its first use: a start draws none of them.
    ChinesePanel* chinesePanel();
    EnglishPanel* englishPanel();
    RadicalPanel* radicalPanel();
    SchemeKeyPanel* schemeKeyPanel();
    WordPanel* wordPanel();
    SettingsPanel* settingsPanel();
    // Writes a row for every score report that opens.
    history::Recorder& history() const { return *history_; }

    // The Enter key: the focus moves to the next control in tab order that is visible,
    // enabled and a tab stop, wrapping; the key press itself is swallowed.
    void moveFocusOnEnter(QKeyEvent* e);

public slots:
    // Every exercise of the tool bar starts here (exercise/exercisekinds.h).
    void startExercise(ExerciseId id);
    void openHelp();
    void openAbout();
    void minimiseWindow();
    void openSettings();
    // The adaptive drills' targets and the live keyboard switch.
    void openTargets();
    void quitProgram();
    void showHistory();
    // The learner's own lessons (自定义练习); the one chosen starts when the window closes.
    void openOwnTexts();
    // The welcome, from the tool bar.
    void openWelcome();
    // At start-up: the welcome, unless this user has seen it (app/welcome.h).
    void offerWelcome();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startUp();
    // The chosen input scheme in effect: its books, and its lessons on the tool bar.
    void applyScheme(const scheme::Scheme& s);
    void buildToolBar();
    void buildStatusBar();
    QToolButton* addButton(QWidget* bar, const QString& name, const QString& caption, const QString& hint, int width);
    QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption);
    void focusNextControl();
    // Keys on the tool bar: arrows among the buttons of a tab, Down, Enter and Space
    // open a drop-down menu, Enter presses a button. True when the key was used.
    bool toolBarKey(QToolButton* button, QKeyEvent* e);
    // Back on the main screen: the focus returns to the button that started the
    // exercise or panel, or after a score report to its tab.
    void returnFocus();
    // The results history for reading, opened at first use; null when it cannot be opened.
    history::Store* historyStore();

    MainWindowServices services_;
    LiveSettings settings_;
    RandomSource random_;
    std::unique_ptr<SoundSystem> sound_;
    LineStore lessonStore_;
    LineStore settingsMemo_;
    CodeBook codeBook1_, codeBook2_, codeBook3_, codeBook4_;
    const scheme::Scheme* scheme_ = &scheme::wubi();
    chinese::SchemeBooks schemeBooks_;

    QWidget* desk_ = nullptr;
    QPointer<QToolButton> lastButton_;
    QTabWidget* toolBarTabs_ = nullptr;
    FilledPicture* background_ = nullptr;
    QLabel* statusPanels_[5] = {};
    ChinesePanel* chinesePanel_ = nullptr;
    EnglishPanel* englishPanel_ = nullptr;
    RadicalPanel* radicalPanel_ = nullptr;
    SchemeKeyPanel* schemeKeyPanel_ = nullptr;
    WordPanel* wordPanel_ = nullptr;
    SettingsPanel* settingsPanel_ = nullptr;
    history::Recorder* history_ = nullptr;
    Today* today_ = nullptr;  // the day's review and goal
    // Reads the day's review and goal again from the history.
    void refreshToday();
    std::unique_ptr<history::Store> historyReader_;
    bool reportOpen_ = false;
    // Reads the code books through once, off the start-up path, to name a damaged one.
    // Last member: joined before anything it reports to goes away.
    std::jthread bookCheck_;
};
