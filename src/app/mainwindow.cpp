#include "app/mainwindow.h"

#include "scheme/schemefile.h"

#include "adaptive/chinesedrill.h"
#include "adaptive/englishdrill.h"
#include "adaptive/progressdialog.h"
#include "adaptive/targetsdialog.h"
#include "schemedrill/adaptivekeys.h"

#include "widgets/access.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/iconstyle.h"
#include "widgets/keylineedit.h"
#include "widgets/pageinput.h"
#include "widgets/pictures.h"
#include "app/aboutbox.h"
#include "app/welcome.h"
#include "chinese/chinesepanel.h"
#include "common/errors.h"
#include "english/englishpanel.h"
#include "exercise/exercisekinds.h"
#include "history/classreader.h"
#include "history/recorder.h"
#include "history/reportsession.h"
#include "history/windowloader.h"
#include "app/today.h"
#include "owntexts/owntextsdialog.h"
#include "radicals/radicalpanel.h"
#include "radicals/radicaltable.h"
#include "schemedrill/schemekeypanel.h"
#include "report/reportdialog.h"
#include "settings/language.h"
#include "settings/settingsfile.h"
#include "settings/settingspanel.h"
#include "settings/shortcuts.h"
#include "vocabulary/wordpanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProxyStyle>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <utility>

namespace {
constexpr int kExpandedHeight = 90;
constexpr int kCollapsedHeight = 25;
// Room for the widest and the tallest panel: a smaller window (a small or scaled
// screen) scrolls, so every control stays within reach.
constexpr QSize kDeskMinimum(712, 500);
// The 成绩记录 window waits no longer than this for the recorder or a class server.
constexpr int kHistoryPatienceMs = 150;

// Alt+letter for each tab: the initial of its pinyin.
constexpr Qt::Key kTabKeys[5] = {Qt::Key_Z, Qt::Key_Y, Qt::Key_C, Qt::Key_B, Qt::Key_X};

// The tool bar pages: no frame and no panel, the buttons 1 pixel apart; the drop-down
// menus show their pictures at 32 x 32. One instance serves every page and menu (a
// style sheet would cost each page a style of its own).
class BarStyle : public DeferredIconStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
        case PM_SmallIconSize: return 32;
        case PM_ToolBarFrameWidth:
        case PM_ToolBarItemMargin: return 0;
        case PM_ToolBarItemSpacing: return 1;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelToolBar) return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_ToolBar) return;
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};
}  // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), random_(services_.randomSeed) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Jaxo4.00中文打字练习软件..."));
    setAccessibleName(a11y::spoken(windowTitle()));
    // Minimise and maximise only: the program is left through "退出软件". No maximum
    // size: a Wayland compositor ends a client whose maximised window keeps a smaller one.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    resize(546, 443);
    move(180, 88);
    // Read as PNG: an icon made from the bare file name has Qt load every image plug-in.
    const QString icon = QString::fromStdString(services_.appDir + "/jaxo.png");
    setWindowIcon(pictures::sizedIcon({icon}, {128}));

    // A sound that cannot play is reported after the handler that asked for it: the
    // exercise starts whole, and no clock ticks behind the message with half a start.
    sound_ = std::make_unique<SoundSystem>(
        settings_.value(), services_.appDir, random_, *services_.sound, [this](const QString& text) {
            QMetaObject::invokeMethod(
                this, [this, text] { services_.messages->showError(errors::displayText(text)); }, Qt::QueuedConnection);
        });

    // The history only ever reports; practising goes on whatever it says.
    history_ = new history::Recorder(this);
    connect(history_, &history::Recorder::message, this,
            [this](const QString& text) { services_.messages->showError(errors::displayText(text)); });

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("deskScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    desk_ = new QWidget;
    desk_->setObjectName(QStringLiteral("desk"));
    desk_->setMinimumSize(kDeskMinimum);
    scroll->setWidget(desk_);
    setCentralWidget(scroll);
    desk_->installEventFilter(this);
    // The control with the keyboard focus is brought into view.
    connect(qApp, &QApplication::focusChanged, scroll, [this, scroll](QWidget*, QWidget* now) {
        if (now && desk_->isAncestorOf(now)) scroll->ensureWidgetVisible(now, 8, 8);
    });

    background_ = new FilledPicture(QString::fromStdString(services_.appDir + "/back.jpg"), desk_);
    background_->setObjectName(QStringLiteral("backImage1"));
    registerHint(background_, tr("欢迎使用Jaxo4.00中英文打字练习软件..."));

    buildToolBar();
    buildStatusBar();

    connect(&settings_, &LiveSettings::changed, this, [this] { sound_->mainScreenMusic(); });

    // The help, from anywhere in the window.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &MainWindow::openHelp);
    // A tab by its letter, on the main screen only (the tool bar is off otherwise).
    for (int i = 0; i < toolBarTabs_->count(); ++i) {
        connect(new QShortcut(QKeySequence(Qt::ALT | kTabKeys[i]), this), &QShortcut::activated, this, [this, i] {
            if (!toolBarTabs_->isEnabled()) return;
            toolBarTabs_->setCurrentIndex(i);
            toolBarTabs_->tabBar()->setFocus(Qt::ShortcutFocusReason);
        });
        toolBarTabs_->setTabToolTip(i, QStringLiteral("Alt+%1").arg(QChar(kTabKeys[i])));
    }

    qApp->installEventFilter(this);
    startUp();
}

MainWindow::~MainWindow() {
    if (qApp) qApp->removeEventFilter(this);
    if (sound_) sound_->nomusic();
}

namespace {
template <typename Panel, typename... Args>
Panel* madeOnce(Panel*& panel, Args&&... args) {
    if (!panel) {
        panel = new Panel(std::forward<Args>(args)...);
        panel->hide();
    }
    return panel;
}
}  // namespace

ChinesePanel* MainWindow::chinesePanel() { return madeOnce(chinesePanel_, *this, desk_); }
EnglishPanel* MainWindow::englishPanel() { return madeOnce(englishPanel_, *this, desk_); }
RadicalPanel* MainWindow::radicalPanel() { return madeOnce(radicalPanel_, *this, desk_); }
SchemeKeyPanel* MainWindow::schemeKeyPanel() { return madeOnce(schemeKeyPanel_, *this, desk_); }
WordPanel* MainWindow::wordPanel() { return madeOnce(wordPanel_, *this, desk_); }
SettingsPanel* MainWindow::settingsPanel() {
    if (settingsPanel_) return settingsPanel_;
    madeOnce(settingsPanel_, *this, settings_, settingsMemo_, services_.appDir, desk_);
    connect(settingsPanel_, &SettingsPanel::schemeChosen, this, [this](const QString& id) {
        if (const scheme::Scheme* s = scheme::find(id.toStdString())) applyScheme(*s);
    });
    return settingsPanel_;
}

const CodeBook& MainWindow::codeBook(int n) {
    if (scheme_->style != scheme::CodeStyle::Wubi) return schemeBooks_.book(n);
    switch (n) {
    case 1: return codeBook1_;
    case 2: return codeBook2_;
    case 3: return codeBook3_;
    default: return codeBook4_;
    }
}

void MainWindow::startUp() {
    const std::string& appDir = services_.appDir;  // 1
    toolBarTabs_->setFixedHeight(kExpandedHeight);   // 2
    setFont(fonts::song(12));                    // 3 (the panels lay themselves out)
    // 4: no panel is made yet, so no exercise timer runs.

    // 5: each book on its own, so one missing file does not leave the others unloaded.
    const std::pair<CodeBook*, const char*> books[] = {
        {&codeBook1_, "/jaxo.sy1"}, {&codeBook2_, "/jaxo2.sy2"}, {&codeBook3_, "/jaxo3.sy3"}, {&codeBook4_, "/jaxo4.sy4"}};
    std::vector<std::pair<CodeBook*, std::string>> toCheck;
    for (const auto& [book, name] : books) {
        try {
            book->loadFile(appDir + name);
            toCheck.emplace_back(book, appDir + name);
        } catch (const JaxoError& e) {
            book->clear();
            showError(e);
        }
    }
    // Whether each book is whole GB18030 is checked on a thread of its own, a second
    // after start-up: reading a megabyte through the converter would otherwise delay
    // the window. A damaged book is emptied (no hints from it) and named.
    QTimer::singleShot(1000, this, [this, toCheck] {
        bookCheck_ = std::jthread([this, toCheck] {
            for (const auto& [book, path] : toCheck) {
                try {
                    CodeBook::verifyFile(path);
                } catch (const JaxoError& e) {
                    QMetaObject::invokeMethod(
                        this, [this, book = book, e] {
                            book->clear();
                            showError(e);
                        },
                        Qt::QueuedConnection);
                }
            }
        });
    });

    applyScheme(scheme::readChoice());

    // 7 to 12 stand on the settings: a settings file that cannot be read skips them.
    bool settingsRead = false;
    try {
        const QString note = settings::readSettings(settings_.edit(), settingsMemo_, appDir);
        settingsRead = true;
        if (!note.isEmpty()) services_.messages->showError(note);
    } catch (const JaxoError& e) {
        showError(e);
    }
    if (settingsRead) {
        sound_->mainScreenMusic();  // 10
        const std::string target = QCoreApplication::applicationFilePath().toStdString();
        const std::string iconPath = appDir + "/jaxo.png";
        if (settings_.value().desktopShortcut) shortcuts::createShortcut("DESKTOP", target, "Jaxo4.00", iconPath);  // 11
        // 12, unless the installed launcher is in the menu already.
        if (settings_.value().startMenuShortcut && !shortcuts::systemLauncherInstalled())
            shortcuts::createShortcut("PROGRAMS", target, "Jaxo4.00", iconPath);
    }

    // 13 to 15: no timer ticks on the main screen; the panels, made at their first use,
    // start theirs with their exercise.
}

QToolButton* MainWindow::addButton(QWidget* bar, const QString& name, const QString& caption, const QString& hint, int width) {
    auto* b = new QToolButton(bar);
    b->setObjectName(name);
    b->setText(caption);
    b->setIcon(icons::forControl(name, services_.appDir));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setFixedSize(width, 54);
    b->setFont(fonts::song(9));  // the caption fits under the picture
    b->setCursor(Qt::PointingHandCursor);
    // Reached by Tab and the arrows; the focused button shows raised.
    b->setFocusPolicy(Qt::StrongFocus);
    connect(b, &QToolButton::clicked, this, [this, b] { lastButton_ = b; });
    static_cast<QToolBar*>(bar)->addWidget(b);
    registerHint(b, hint);
    return b;
}

QAction* MainWindow::addMenuItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* a = menu->addAction(icons::forControl(name, services_.appDir), caption);
    a->setObjectName(name);
    return a;
}

void MainWindow::buildToolBar() {
    toolBarTabs_ = new QTabWidget(desk_);
    toolBarTabs_->setObjectName(QStringLiteral("mainctr"));
    toolBarTabs_->setFixedHeight(kExpandedHeight);
    toolBarTabs_->setFocusPolicy(Qt::NoFocus);
    // Left and Right move between the tabs.
    toolBarTabs_->tabBar()->setFocusPolicy(Qt::StrongFocus);
    registerHint(toolBarTabs_->tabBar(), tr("主菜单..."));

    auto* barStyle = new BarStyle;
    barStyle->setParent(this);
    auto page = [this, barStyle](const char* name, const QString& caption) {
        auto* bar = new QToolBar;
        bar->setStyle(barStyle);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setIconSize(QSize(32, 32));
        bar->setMovable(false);
        bar->setContentsMargins(0, 0, 0, 0);
        toolBarTabs_->addTab(bar, caption);
        return bar;
    };
    auto connectClick = [this](QToolButton* b, void (MainWindow::*slot)()) { connect(b, &QToolButton::clicked, this, slot); };
    auto dropDown = [this, barStyle](QToolButton* b, const char* menuName) {
        auto* m = new QMenu(b);
        m->setObjectName(QString::fromLatin1(menuName));
        m->setStyle(barStyle);
        b->setMenu(m);
        b->setPopupMode(QToolButton::InstantPopup);
        // The tool bar is disabled while the chosen exercise runs, so the button would
        // keep the raised look of the pointer that was over it when the menu opened.
        connect(m, &QMenu::aboutToShow, this, [this, b] { lastButton_ = b; });
        connect(m, &QMenu::aboutToHide, b, [b] {
            b->setAttribute(Qt::WA_UnderMouse, false);
            b->update();
        });
        return m;
    };
    // The exercises, in the order of their kinds: a button of their own, or an item of
    // a drop-down menu whose button comes where its first item is.
    struct DropDown {
        const char* menu;
        const char* button;
        QString caption;
        QString hint;
        QStringList separators;  // object names of the lines between the items
    };
    const DropDown dropDowns[] = {
        {"czPopupMenu", "m1e", tr("词组练习"), tr("单击此键进入词组练习状态..."),
         {QStringLiteral("N8"), QStringLiteral("N10")}},
        {"csPopupMenu2", "m3a", tr("中文测试"), tr("单击进入中文测试选择菜单..."),
         {QStringLiteral("MenuItem5")}},
        {"csPopupMenu1", "m3b", tr("英文测试"), tr("单击进入英文测试选择菜单..."),
         {QStringLiteral("MenuItem2")}},
        {"jwPopupMenu", "m1g", tr("键位练习"), tr("单击进入五笔智能字根、智能编码练习和全拼、双拼、仓颉、速成、注音的键位练习..."), {}},
        {"bdcmune", "m4c", tr("大学英语"), tr("单击进入大学英文单词选择菜单..."), {}},
    };
    const std::pair<const char*, QString> pages[] = {{"cool1", tr("中文练习")},
                                                     {"cool2", tr("英文练习")},
                                                     {"cool4", tr(" 测   试 ")},
                                                     {"cool5", tr(" 背 单 词 ")}};
    QHash<QString, QToolBar*> bars;
    for (const auto& [name, caption] : pages) bars.insert(QString::fromLatin1(name), page(name, caption));
    QHash<QString, QMenu*> menus;
    const auto text = [](std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); };
    for (const ExerciseKind& k : exerciseKinds()) {
        if (k.control.empty()) continue;
        const auto start = [this, id = k.id] { startExercise(id); };
        QToolBar* bar = bars.value(text(k.page));
        const int width = k.page == "cool5" ? 69 : 67;
        if (k.menu.empty()) {
            connect(addButton(bar, text(k.control), kindText(k.caption), kindText(k.hint), width), &QToolButton::clicked, this, start);
            continue;
        }
        const DropDown* d = std::find_if(std::begin(dropDowns), std::end(dropDowns),
                                         [&](const DropDown& x) { return k.menu == x.menu; });
        QMenu*& m = menus[text(k.menu)];
        if (!m) {
            m = dropDown(addButton(bar, QString::fromLatin1(d->button), d->caption, d->hint, width), d->menu);
        } else {
            const qsizetype n = m->actions().size() / 2;  // items and separators alternate
            QAction* line = m->addSeparator();
            if (n < d->separators.size()) line->setObjectName(d->separators[n]);
        }
        connect(addMenuItem(m, text(k.control), kindText(k.caption)), &QAction::triggered, this, start);
    }

    QToolBar* cool6 = page("cool6", tr(" 系  统 "));
    connectClick(addButton(cool6, "m5a", tr("帮助"), tr("进入帮助系统..."), 67), &MainWindow::openHelp);
    QToolButton* welcomeButton = addButton(cool6, "welcomeButton", tr("入门"),
                                           tr("从哪里开始、手指怎样放、怎样打开输入法..."), 67);
    welcomeButton->setAccessibleName(tr("入门"));
    connectClick(welcomeButton, &MainWindow::openWelcome);
    connectClick(addButton(cool6, "m5b", tr("关于"), tr("关于本软件的一点说明..."), 67), &MainWindow::openAbout);
    connectClick(addButton(cool6, "m5c", tr("最小化"), tr("最小化系统..."), 67), &MainWindow::minimiseWindow);
    connectClick(addButton(cool6, "m5d", tr("设置"), tr("单击此键可进行系统设置..."), 67), &MainWindow::openSettings);
    QToolButton* targets = addButton(cool6, "targetsButton", tr("练习目标"), tr("智能练习的目标速度、正确率和实时键盘..."), 67);
    targets->setAccessibleName(tr("练习目标"));
    connectClick(targets, &MainWindow::openTargets);
    QToolButton* history = addButton(cool6, "historyButton", tr("成绩记录"),
                                     tr("查看历次练习的成绩、图表和薄弱环节..."), 67);
    history->setAccessibleName(tr("成绩记录"));
    connectClick(history, &MainWindow::showHistory);
    QToolButton* review = addButton(cool6, QStringLiteral("reviewButton"), tr("今日复习"), tr("今天到期要复习的字、键和单词..."), 67);
    review->setAccessibleName(tr("今日复习"));
    today_ = new Today(review, dropDown(review, "reviewMenu"), services_.appDir, this);
    connect(today_, &Today::startReview, this, [this](ExerciseId id, const ByteText& lesson) {
        const ExerciseKind& kind = exerciseKind(id);
        if (kind.panel == ExercisePanel::Chinese) chinesePanel()->start(kind, &lesson);
        if (kind.panel == ExercisePanel::English) englishPanel()->start(kind, &lesson);
        if (kind.panel == ExercisePanel::Vocabulary) wordPanel()->start(kind, &lesson);
    });
    QToolButton* own = addButton(cool6, "ownTextsButton", tr("自定义练习"),
                                 tr("用自己的文章或单词表练习：从文件导入或粘贴..."), 67);
    own->setAccessibleName(tr("自定义练习"));
    connectClick(own, &MainWindow::openOwnTexts);
    connectClick(addButton(cool6, "m5e", tr("退出软件"), tr("退出系统..."), 67), &MainWindow::quitProgram);

    toolBarTabs_->setCurrentIndex(0);
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFont(fonts::song(9));
    bar->setSizeGripEnabled(false);
    a11y::placeLiveRegion(bar);
    const int widths[5] = {60, 480, 100, 47, 50};
    const QString texts[5] = {tr("系统提示:"), QString(), tr("Jaxo开发组"),
                              tr("帮助:"), tr("按F1")};
    for (int i = 0; i < 5; ++i) {
        auto* l = new QLabel(texts[i], bar);
        l->setFont(fonts::song(9));
        l->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setFixedWidth(widths[i]);
        bar->addWidget(l, i == 4 ? 1 : 0);
        statusPanels_[i] = l;
    }
    today_->goalLabel()->setFont(fonts::song(9));
    bar->addPermanentWidget(today_->goalLabel());
    // Read once the window is up, not on the way there; again after each session.
    QTimer::singleShot(0, this, &MainWindow::refreshToday);
    connect(history_, &history::Recorder::recorded, this, &MainWindow::refreshToday);
}

void MainWindow::registerHint(QWidget* widget, const QString& hint) {
    widget->setProperty("jaxoHint", hint);
    widget->setAccessibleDescription(a11y::spoken(hint));
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

void MainWindow::setHint(const QString& text) { statusPanels_[1]->setText(text); }

void MainWindow::showError(const JaxoError& error) { services_.messages->showError(errors::displayText(error.text())); }

void MainWindow::collapseToolBar() {
    toolBarTabs_->setFixedHeight(kCollapsedHeight);
    toolBarTabs_->setEnabled(false);
}

void MainWindow::setToolBarEnabled(bool on) {
    toolBarTabs_->setEnabled(on);
    if (on) returnFocus();
}

void MainWindow::returnFocus() {
    QWidget* target = toolBarTabs_->tabBar();
    if (lastButton_) {
        // Its tab comes back with it.
        toolBarTabs_->setCurrentWidget(lastButton_->parentWidget());
        // After a score report the tab itself: a Space or Enter still on its way
        // must not start the exercise again.
        if (!reportOpen_ && lastButton_->isVisible() && lastButton_->isEnabled()) target = lastButton_;
    }
    target->setFocus(Qt::OtherFocusReason);
}

void MainWindow::restoreMainScreen() {
    toolBarTabs_->setFixedHeight(kExpandedHeight);
    sound_->keySoundAhead(false);
    sound_->mainScreenMusic();
    toolBarTabs_->setEnabled(true);
    returnFocus();
}

void MainWindow::runModal(QDialog& dialog) {
    if (services_.runModal)
        services_.runModal(dialog);
    else
        dialog.exec();
}

void MainWindow::openReport(const ExerciseScore& score) {
    ReportDialog report(*this, score, this);
    history::Session row = history::sessionFromReport(score, report.score(), QDateTime::currentDateTime());
    today_->judge(row);
    // An exercise left with nothing typed is no result.
    if (row.typed > 0) {
        // Queued: it runs once the report is up, and the recorder's thread does the writing.
        QTimer::singleShot(0, history_, [h = history_, row] { h->record(row); });
    }
    reportOpen_ = true;
    runModal(report);
    // The keys come back to this window, to the tab of the exercise.
    if (isVisible()) activateWindow();
    if (toolBarTabs_->isEnabled()) returnFocus();
    reportOpen_ = false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyPress && watched->isWidgetType()) {
        auto* ke = static_cast<QKeyEvent*>(event);
        QWidget* w = static_cast<QWidget*>(watched);
        // Key preview: only for this window, and once (the event also passes the
        // parents of the focused control).
        if (w == QApplication::focusWidget() && w->window() == this) {
            if (auto* b = qobject_cast<QToolButton*>(w); b && toolBarTabs_->isAncestorOf(b) && toolBarKey(b, ke))
                return true;
            if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
                // Enter presses a focused button; elsewhere it moves the focus on.
                auto* button = qobject_cast<QAbstractButton*>(w);
                if (button && !button->isCheckable()) {
                    button->animateClick();
                    return true;
                }
                moveFocusOnEnter(ke);
                return true;
            }
        }
    } else if ((type == QEvent::Enter || type == QEvent::MouseMove || type == QEvent::FocusIn) &&
               watched->isWidgetType()) {
        // The pointer over a control, or the keyboard focus on it, shows its hint.
        const QVariant hint = watched->property("jaxoHint");
        if (hint.isValid() && static_cast<QWidget*>(watched)->isEnabled()) setHint(hint.toString());
    } else if (type == QEvent::Resize && watched == desk_) {
        toolBarTabs_->setFixedWidth(desk_->width());
        background_->setGeometry(0, 0, desk_->width(), desk_->height());
        background_->lower();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::toolBarKey(QToolButton* button, QKeyEvent* e) {
    const int key = e->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (button->menu() && (enter || key == Qt::Key_Down || key == Qt::Key_Space)) {
        button->showMenu();
        return true;
    }
    if (enter) {
        button->animateClick();
        return true;
    }
    int step = 0;
    if (key == Qt::Key_Left || key == Qt::Key_Up) step = -1;
    if (key == Qt::Key_Right || key == Qt::Key_Down) step = 1;
    if (step == 0) return false;
    QList<QToolButton*> row;
    for (QToolButton* b : button->parentWidget()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        if (b->isVisibleTo(button->parentWidget()) && b->focusPolicy() != Qt::NoFocus) row << b;
    const qsizetype at = row.indexOf(button);
    if (at < 0 || row.size() < 2) return true;
    row[(at + step + row.size()) % row.size()]->setFocus(Qt::TabFocusReason);
    return true;
}

void MainWindow::moveFocusOnEnter(QKeyEvent* e) {
    QWidget* focus = QApplication::focusWidget();
    auto* line = qobject_cast<KeyLineEdit*>(focus);
    if (auto* input = qobject_cast<PageInput*>(focus)) line = input->target();
    if (line) line->deliverKeyDownOnly(e);
    focusNextControl();
}

void MainWindow::focusNextControl() {
    QWidget* start = QApplication::focusWidget();
    if (!start || start->window() != this) return;
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (w->window() == this && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// The exercise commands: the panel that runs the kind starts it.
void MainWindow::applyScheme(const scheme::Scheme& s) {
    scheme_ = &s;
    try {
        schemeBooks_.choose(s, services_.appDir);
    } catch (const JaxoError& e) {
        showError(e);
    }
    // The lessons the scheme has not (the Wubi short codes) are greyed out.
    for (const ExerciseKind& k : exerciseKinds()) {
        if (k.control.empty() || k.panel != ExercisePanel::Chinese || k.test) continue;
        const QString name = QString::fromUtf8(k.control.data(), static_cast<qsizetype>(k.control.size()));
        const bool has = scheme::hasLesson(s, k.file);
        if (auto* b = toolBarTabs_->findChild<QToolButton*>(name)) b->setEnabled(has);
        if (auto* a = toolBarTabs_->findChild<QAction*>(name)) a->setEnabled(has);
    }
}

void MainWindow::startExercise(ExerciseId id) {
    const ExerciseKind& kind = exerciseKind(id);
    switch (kind.panel) {
    case ExercisePanel::Radicals: radicalPanel()->start(kind); break;
    case ExercisePanel::Chinese: chinesePanel()->start(kind); break;
    case ExercisePanel::English: englishPanel()->start(kind); break;
    case ExercisePanel::Vocabulary: wordPanel()->start(kind); break;
    case ExercisePanel::SchemeKeys: schemeKeyPanel()->start(kind); break;
    }
}

// The system commands.
void MainWindow::openHelp() {
    services_.shell->openDocument(language::helpPage(QString::fromStdString(services_.appDir), QStringLiteral("index.html")));
}

void MainWindow::openWelcome() {
    WelcomeDialog welcome(this);
    connect(&welcome, &WelcomeDialog::helpWanted, this, &MainWindow::openHelp);
    runModal(welcome);
}

void MainWindow::offerWelcome() {
    if (!welcome::offerAtStart()) return;
    // Remembered before it shows: a user who cannot write the mark still gets to practise,
    // and sees it again next time.
    welcome::markSeen(nullptr);
    openWelcome();
}

void MainWindow::openAbout() {
    AboutBox aboutform(*this, this);
    runModal(aboutform);
}

void MainWindow::minimiseWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->showMinimized();
}

void MainWindow::openSettings() { settingsPanel()->open(); }

void MainWindow::openTargets() {
    TargetsDialog dialog(adaptive::loadPreferences(), this, [this](QWidget* over) {
        // What the drills know now, read afresh: a drill may have ended since the dialog opened.
        const adaptive::Preferences p = adaptive::loadPreferences();
        std::vector<adaptive::ProgressSource> sources;
        sources.push_back({tr("英文智能练习"), tr("字/分"), adaptive::englishModel(), p.targets});
        sources.push_back({tr("中文智能练习"), tr("字/分"),
                           adaptive::Model(adaptive::wubiSource(appDirectory()).order, adaptive::kChineseStarting),
                           {p.chineseSpeed, p.targets.accuracyPercent}});
        const adaptive::Targets chinese{p.chineseSpeed, p.targets.accuracyPercent};
        sources.push_back({tr("五笔智能字根练习"), tr("个/分"),
                           schemedrill::AdaptiveKeys(schemedrill::wubiRadicals().items, schemedrill::kRadicalsStarting).model(),
                           chinese, true});
        // The codes are Wubi's whatever the chosen scheme.
        CodeBook own;
        const bool wubi = scheme().style == scheme::CodeStyle::Wubi;
        const schemedrill::SchemeKeys codes = schemedrill::wubiCodes(
            appDirectory(), schemedrill::wubiBook(wubi, wubi ? codeBook(1) : own, appDirectory(), own));
        if (!codes.items.empty())
            sources.push_back({tr("五笔智能编码练习"), tr("个/分"),
                               schemedrill::AdaptiveKeys(codes.items, schemedrill::kCodesStarting).model(), chinese, true});
        const QString models[] = {QStringLiteral("english"), QStringLiteral("chinese-wubi"),
                                  QStringLiteral("wubi-radicals"), QStringLiteral("wubi-codes")};
        for (size_t i = 0; i < sources.size(); ++i) adaptive::loadModel(sources[i].model, models[i]);
        ProgressDialog progress(std::move(sources), over);
        runModal(progress);
    });
    runModal(dialog);
    if (dialog.result() != QDialog::Accepted) return;
    QString error;
    if (!adaptive::savePreferences(dialog.preferences(), &error)) showError(JaxoError(error));
}

void MainWindow::quitProgram() { close(); }

history::Store* MainWindow::historyStore() {
    // What the recorder still holds goes in first, so the window shows the latest report.
    // Never long: a recorder held up by a silent server is not waited for.
    history_->flush(kHistoryPatienceMs);
    // A reader that met trouble is opened afresh: the trouble may be over.
    if (historyReader_ && historyReader_->problem().isEmpty()) return historyReader_.get();
    historyReader_.reset();
    // Its problems are the window's to show, with what it could read; the recorder has
    // already reported them once.
    historyReader_ = services_.openHistory ? services_.openHistory() : history::openReader(kHistoryPatienceMs);
    return historyReader_.get();
}

void MainWindow::refreshToday() { today_->refresh(historyStore(), QDate::currentDate()); }

void MainWindow::showHistory() {
    // The window comes from a module loaded at the first click; without it the main
    // screen stays as it was.
    QString problem;
    const std::unique_ptr<history::Window> view = history::openWindow(
        services_.historyModule, historyStore(), codeBook(1),
        QString::fromLatin1(scheme_->id.data(), static_cast<qsizetype>(scheme_->id.size())), radicals::table(),
        *services_.messages, this, &problem);
    if (!view) {
        services_.messages->showError(errors::displayText(problem));
        return;
    }
    runModal(view->dialog());
    // The goal may have been changed there.
    refreshToday();
    // The practices start once the window has closed.
    if (view->practice() == history::Practice::WeakChars) {
        const ByteText lesson = view->weakLesson();
        chinesePanel()->start(exerciseKind(ExerciseId::WeakChars), &lesson);
    } else if (view->practice() == history::Practice::WeakRadicals) {
        radicalPanel()->start(exerciseKind(ExerciseId::WeakRadicalDrill), view->weakRadicals());
    } else if (view->practice() == history::Practice::WeakWords) {
        const ByteText list = weakWordList(view->weakWords(), services_.appDir);
        wordPanel()->start(exerciseKind(ExerciseId::WeakWords), &list);
    }
}

void MainWindow::openOwnTexts() {
    owntexts::Library library;
    const chinese::CodeBooks books{&codeBook(1), &codeBook(2), &codeBook(3), &codeBook(4)};
    owntexts::OwnTextsDialog dialog(library, books, *services_.messages, [this](QDialog& d) { runModal(d); }, this);
    runModal(dialog);
    const auto& lesson = dialog.chosen();
    if (!lesson) return;
    // Started once the window has closed, like the practices of the results history.
    const ByteText text = owntexts::lessonText(lesson->body, lesson->kind);
    const ByteText title = bytes::fromUnicode(lesson->title);
    switch (lesson->kind) {
    case owntexts::Kind::Chinese: chinesePanel()->start(exerciseKind(ExerciseId::OwnChinese), &text, &title); break;
    case owntexts::Kind::English: englishPanel()->start(exerciseKind(ExerciseId::OwnEnglish), &text, &title); break;
    case owntexts::Kind::Words: wordPanel()->start(exerciseKind(ExerciseId::OwnWords), &text, &title); break;
    }
}
