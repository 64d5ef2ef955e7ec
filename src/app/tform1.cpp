#include "app/tform1.h"

#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/iconstyle.h"
#include "widgets/keylineedit.h"
#include "widgets/pageinput.h"
#include "widgets/pictures.h"
#include "app/taboutform.h"
#include "chinese/chinesepanel.h"
#include "common/errors.h"
#include "english/englishpanel.h"
#include "history/recorder.h"
#include "history/reportsession.h"
#include "history/windowloader.h"
#include "radicals/radicalpanel.h"
#include "radicals/radicaltable.h"
#include "report/tcjreport.h"
#include "settings/settingsfile.h"
#include "settings/settingspanel.h"
#include "settings/shortcuts.h"
#include "vocabulary/wordpanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
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

namespace {
constexpr int kExpandedHeight = 90;
constexpr int kCollapsedHeight = 25;
// Room for the widest and the tallest panel: a smaller window (a small or scaled
// screen) scrolls, so every control stays within reach.
constexpr QSize kDeskMinimum(712, 500);

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

TForm1::TForm1(TForm1Services services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Jaxo4.00中文打字练习软件..."));
    // Minimise and maximise only: the program is left through "退出软件".
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    setMaximumSize(800, 600);
    resize(546, 443);
    move(180, 88);
    // Read as PNG: an icon made from the bare file name has Qt load every image plug-in.
    const QString icon = QString::fromStdString(services_.appDir + "/jaxo.png");
    setWindowIcon(pictures::sizedIcon({icon}, {128}));

    // The panels load their pictures from the program folder as they are built.
    state_.appDir = services_.appDir;
    // A sound that cannot play is reported after the handler that asked for it: the
    // exercise starts whole, and no clock ticks behind the message with half a start.
    sound_ = std::make_unique<SoundSystem>(state_, random_, *services_.sound, [this](const QString& text) {
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

    backImage1_ = new FilledPicture(QString::fromStdString(services_.appDir + "/back.jpg"), desk_);
    backImage1_->setObjectName(QStringLiteral("backImage1"));
    registerHint(backImage1_, QStringLiteral("欢迎使用Jaxo4.00中英文打字练习软件..."));

    buildToolBar();
    buildStatusBar();

    chinapanel_ = new ChinesePanel(*this, desk_);
    englishform_ = new EnglishPanel(*this, desk_);
    zgform_ = new RadicalPanel(*this, desk_);
    bdcform_ = new WordPanel(*this, desk_);
    system_ = new SettingsPanel(*this, Memo1_, desk_);
    for (QWidget* p : std::initializer_list<QWidget*>{chinapanel_, englishform_, zgform_, bdcform_, system_}) p->hide();

    // The help, from anywhere in the window.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &TForm1::m5aClick);
    // A tab by its letter, on the main screen only (the tool bar is off otherwise).
    for (int i = 0; i < mainctr_->count(); ++i) {
        connect(new QShortcut(QKeySequence(Qt::ALT | kTabKeys[i]), this), &QShortcut::activated, this, [this, i] {
            if (!mainctr_->isEnabled()) return;
            mainctr_->setCurrentIndex(i);
            mainctr_->tabBar()->setFocus(Qt::ShortcutFocusReason);
        });
        mainctr_->setTabToolTip(i, QStringLiteral("Alt+%1").arg(QChar(kTabKeys[i])));
    }

    qApp->installEventFilter(this);
    FormCreate();
}

TForm1::~TForm1() {
    if (qApp) qApp->removeEventFilter(this);
    if (sound_) sound_->nomusic();
}

const CodeBook& TForm1::codeBook(int n) {
    switch (n) {
    case 1: return wbbook_;
    case 2: return wbbook2_;
    case 3: return wbbook3_;
    default: return wbbook4_;
    }
}

void TForm1::FormCreate() {
    MainWindowState& s = state_;
    s.appDir = services_.appDir;                 // 1
    mainctr_->setFixedHeight(kExpandedHeight);   // 2
    setFont(fonts::song(12));                    // 3 (the panels lay themselves out)
    chinapanel_->timer()->stop();                // 4

    // 5: each book on its own, so one missing file does not leave the others unloaded.
    const std::pair<CodeBook*, const char*> books[] = {
        {&wbbook_, "/jaxo.sy1"}, {&wbbook2_, "/jaxo2.sy2"}, {&wbbook3_, "/jaxo3.sy3"}, {&wbbook4_, "/jaxo4.sy4"}};
    std::vector<std::pair<CodeBook*, std::string>> toCheck;
    for (const auto& [book, name] : books) {
        try {
            book->loadFile(s.appDir + name);
            toCheck.emplace_back(book, s.appDir + name);
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

    s.waveDevices = services_.sound->waveDevices();  // 6
    s.midiDevices = services_.sound->midiDevices();
    s.soundOk = (s.waveDevices != 0 || s.midiDevices != 0) ? 1 : 0;

    // 7 to 12 stand on the settings: a settings file that cannot be read skips them.
    bool settingsRead = false;
    try {
        const QString note = settings::readSettings(s, Memo1_, 13);
        settingsRead = true;
        if (!note.isEmpty()) services_.messages->showError(note);
    } catch (const JaxoError& e) {
        showError(e);
    }
    if (settingsRead) {
        if (isOn(s.mainMusic))  // 10
            sound_->music();
        else
            sound_->nomusic();
        const std::string target = QCoreApplication::applicationFilePath().toStdString();
        const std::string iconPath = s.appDir + "/jaxo.png";
        if (isOn(s.desktopShortcut)) shortcuts::createShortcut("DESKTOP", target, "Jaxo4.00", iconPath);  // 11
        // 12, unless the installed launcher is in the menu already.
        if (isOn(s.startMenuShortcut) && !shortcuts::systemLauncherInstalled())
            shortcuts::createShortcut("PROGRAMS", target, "Jaxo4.00", iconPath);
    }

    // 13 to 15 depend on no file and always run: no timer may tick on the main screen.
    s.wrongCount = 0;
    s.rightCount = 0;
    chinapanel_->timer()->stop();
    bdcform_->timer()->stop();
    zgform_->timer()->stop();
    englishform_->timer()->stop();
    radicals::buildRadicalTable(s.radicalTable);
}

QToolButton* TForm1::addButton(QWidget* bar, const char* name, const QString& caption, const QString& hint, int width) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setIcon(icons::forControl(QString::fromLatin1(name), services_.appDir));
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

QAction* TForm1::addMenuItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(icons::forControl(QString::fromLatin1(name), services_.appDir), caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void TForm1::buildToolBar() {
    mainctr_ = new QTabWidget(desk_);
    mainctr_->setObjectName(QStringLiteral("mainctr"));
    mainctr_->setFixedHeight(kExpandedHeight);
    mainctr_->setFocusPolicy(Qt::NoFocus);
    // Left and Right move between the tabs.
    mainctr_->tabBar()->setFocusPolicy(Qt::StrongFocus);
    registerHint(mainctr_->tabBar(), QStringLiteral("主菜单..."));

    auto* barStyle = new BarStyle;
    barStyle->setParent(this);
    auto page = [this, barStyle](const char* name, const QString& caption) {
        auto* bar = new QToolBar;
        bar->setStyle(barStyle);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setIconSize(QSize(32, 32));
        bar->setMovable(false);
        bar->setContentsMargins(0, 0, 0, 0);
        mainctr_->addTab(bar, caption);
        return bar;
    };
    auto connectClick = [this](QToolButton* b, void (TForm1::*slot)()) { connect(b, &QToolButton::clicked, this, slot); };
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
    auto item = [this](QMenu* m, const char* name, const QString& caption, void (TForm1::*slot)()) {
        connect(addMenuItem(m, name, caption), &QAction::triggered, this, slot);
    };

    QToolBar* cool1 = page("cool1", QStringLiteral("中文练习"));
    connectClick(addButton(cool1, "m1a", QStringLiteral("字根练习"), QStringLiteral("单击进入五笔字根练习..."), 67), &TForm1::m1aClick);
    connectClick(addButton(cool1, "m1b", QStringLiteral("高频字"), QStringLiteral("单击此键进入高频字练习状态..."), 67), &TForm1::m1bClick);
    connectClick(addButton(cool1, "m1c", QStringLiteral("二级简码"), QStringLiteral("单击此键进入二级简码练习状态..."), 67), &TForm1::m1cClick);
    connectClick(addButton(cool1, "m1d", QStringLiteral("三级简码"), QStringLiteral("单击此键进入三级简码练习状态..."), 67), &TForm1::m1dClick);
    QMenu* cz = dropDown(addButton(cool1, "m1e", QStringLiteral("词组练习"), QStringLiteral("单击此键进入词组练习状态..."), 67), "czPopupMenu");
    item(cz, "N7", QStringLiteral("二字词组"), &TForm1::N7Click);
    cz->addSeparator()->setObjectName(QStringLiteral("N8"));
    item(cz, "N9", QStringLiteral("三字词组"), &TForm1::N9Click);
    cz->addSeparator()->setObjectName(QStringLiteral("N10"));
    item(cz, "N11", QStringLiteral("四字词组"), &TForm1::N11Click);
    connectClick(addButton(cool1, "m1f", QStringLiteral("文章练习"), QStringLiteral("单击此键进入文章练习状态..."), 67), &TForm1::m1fClick);

    QToolBar* cool2 = page("cool2", QStringLiteral("英文练习"));
    connectClick(addButton(cool2, "m2a", QStringLiteral("英文初级"), QStringLiteral("单击进入英文初级指法练习..."), 67), &TForm1::m2aClick);
    connectClick(addButton(cool2, "m2b", QStringLiteral("英文中级"), QStringLiteral("单击进入英文中级指法练习..."), 67), &TForm1::m2bClick);
    connectClick(addButton(cool2, "m2c", QStringLiteral("英文高级"), QStringLiteral("单击进入英文高级指法练习..."), 67), &TForm1::m2cClick);
    connectClick(addButton(cool2, "m2d", QStringLiteral("文章练习"), QStringLiteral("单击进入英文文章练习..."), 67), &TForm1::m2dClick);

    QToolBar* cool4 = page("cool4", QStringLiteral(" 测   试 "));
    QMenu* cs2 = dropDown(addButton(cool4, "m3a", QStringLiteral("中文测试"), QStringLiteral("单击进入中文测试选择菜单..."), 67), "csPopupMenu2");
    item(cs2, "MenuItem4", QStringLiteral("顺序测试"), &TForm1::MenuItem4Click);
    cs2->addSeparator()->setObjectName(QStringLiteral("MenuItem5"));
    item(cs2, "MenuItem6", QStringLiteral("随机测试"), &TForm1::MenuItem6Click);
    QMenu* cs1 = dropDown(addButton(cool4, "m3b", QStringLiteral("英文测试"), QStringLiteral("单击进入英文测试选择菜单..."), 67), "csPopupMenu1");
    item(cs1, "MenuItem1", QStringLiteral("顺序测试"), &TForm1::MenuItem1Click);
    cs1->addSeparator()->setObjectName(QStringLiteral("MenuItem2"));
    item(cs1, "MenuItem3", QStringLiteral("随机测试"), &TForm1::MenuItem3Click);

    QToolBar* cool5 = page("cool5", QStringLiteral(" 背 单 词 "));
    connectClick(addButton(cool5, "m4a", QStringLiteral("小学英语"), QStringLiteral("单击进入小学英文单词练习..."), 69), &TForm1::m4aClick);
    connectClick(addButton(cool5, "m4b", QStringLiteral("初中英语"), QStringLiteral("单击进入初中英文单词练习..."), 69), &TForm1::m4bClick);
    connectClick(addButton(cool5, "m4e", QStringLiteral("高中英语"), QStringLiteral("单击进入高中英文单词练习..."), 69), &TForm1::m4eClick);
    QMenu* dx = dropDown(addButton(cool5, "m4c", QStringLiteral("大学英语"), QStringLiteral("单击进入大学英文单词选择菜单..."), 69), "bdcmune");
    item(dx, "N5", QStringLiteral("大学英语1-4级词汇"), &TForm1::N5Click);
    dx->addSeparator();
    item(dx, "N6", QStringLiteral("大学英语5-6级词汇"), &TForm1::N6Click);
    connectClick(addButton(cool5, "m4d", QStringLiteral("GMAT词汇"), QStringLiteral("单击进入GMAT单词练习..."), 69), &TForm1::m4dClick);
    connectClick(addButton(cool5, "m4f", QStringLiteral("GRE词汇"), QStringLiteral("单击进入GRE单词练习..."), 69), &TForm1::m4fClick);
    connectClick(addButton(cool5, "m4g", QStringLiteral("托福600"), QStringLiteral("单击进入托福600分单词练习..."), 69), &TForm1::m4gClick);
    connectClick(addButton(cool5, "m4h", QStringLiteral("语句练习"), QStringLiteral("单击进入语句练习..."), 69), &TForm1::m4hClick);

    QToolBar* cool6 = page("cool6", QStringLiteral(" 系  统 "));
    connectClick(addButton(cool6, "m5a", QStringLiteral("帮助"), QStringLiteral("进入帮助系统..."), 67), &TForm1::m5aClick);
    connectClick(addButton(cool6, "m5b", QStringLiteral("关于"), QStringLiteral("关于本软件的一点说明..."), 67), &TForm1::m5bClick);
    connectClick(addButton(cool6, "m5c", QStringLiteral("最小化"), QStringLiteral("最小化系统..."), 67), &TForm1::m5cClick);
    connectClick(addButton(cool6, "m5d", QStringLiteral("设置"), QStringLiteral("单击此键可进行系统设置..."), 67), &TForm1::m5dClick);
    QToolButton* history = addButton(cool6, "historyButton", QStringLiteral("成绩记录"),
                                     QStringLiteral("查看历次练习的成绩、图表和薄弱环节..."), 67);
    history->setAccessibleName(QStringLiteral("成绩记录"));
    connectClick(history, &TForm1::historyClick);
    connectClick(addButton(cool6, "m5e", QStringLiteral("退出软件"), QStringLiteral("退出系统..."), 67), &TForm1::m5eClick);

    mainctr_->setCurrentIndex(0);
}

void TForm1::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFont(fonts::song(9));
    bar->setSizeGripEnabled(false);
    const int widths[5] = {60, 480, 100, 47, 50};
    const QString texts[5] = {QStringLiteral("系统提示:"), QString(), QStringLiteral("Jaxo开发组"),
                              QStringLiteral("帮助:"), QStringLiteral("按F1")};
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
}

void TForm1::registerHint(QWidget* widget, const QString& hint) {
    widget->setProperty("jaxoHint", hint);
    widget->setAccessibleDescription(hint);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

void TForm1::setHint(const QString& text) { statusPanels_[1]->setText(text); }

void TForm1::showError(const JaxoError& error) { services_.messages->showError(errors::displayText(error.text())); }

void TForm1::collapseToolBar() {
    mainctr_->setFixedHeight(kCollapsedHeight);
    mainctr_->setEnabled(false);
}

void TForm1::setToolBarEnabled(bool on) {
    mainctr_->setEnabled(on);
    if (on) returnFocus();
}

void TForm1::returnFocus() {
    QWidget* target = mainctr_->tabBar();
    if (lastButton_) {
        // Its tab comes back with it.
        mainctr_->setCurrentWidget(lastButton_->parentWidget());
        if (lastButton_->isVisible() && lastButton_->isEnabled()) target = lastButton_;
    }
    target->setFocus(Qt::OtherFocusReason);
}

void TForm1::restoreMainScreen() {
    mainctr_->setFixedHeight(kExpandedHeight);
    sound_->keySoundAhead(false);
    if (isOn(state_.mainMusic))
        sound_->music();
    else
        sound_->nomusic();
    mainctr_->setEnabled(true);
    returnFocus();
}

void TForm1::runModal(QDialog& dialog) {
    if (services_.runModal)
        services_.runModal(dialog);
    else
        dialog.exec();
}

void TForm1::openReport() {
    Tcjreport report(*this, this);
    const history::Session row = history::sessionFromReport(state_, report.score(), QDateTime::currentDateTime());
    // Queued: it runs once the report is up, and the recorder's thread does the writing.
    QTimer::singleShot(0, history_, [h = history_, row] { h->record(row); });
    runModal(report);
    // The keys come back to this window, to the button that started the exercise.
    if (isVisible()) activateWindow();
    if (mainctr_->isEnabled()) returnFocus();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyPress && watched->isWidgetType()) {
        auto* ke = static_cast<QKeyEvent*>(event);
        QWidget* w = static_cast<QWidget*>(watched);
        // Key preview: only for this window, and once (the event also passes the
        // parents of the focused control).
        if (w == QApplication::focusWidget() && w->window() == this) {
            if (auto* b = qobject_cast<QToolButton*>(w); b && mainctr_->isAncestorOf(b) && toolBarKey(b, ke))
                return true;
            if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
                // Enter presses a focused button; elsewhere it moves the focus on.
                auto* button = qobject_cast<QAbstractButton*>(w);
                if (button && !button->isCheckable()) {
                    button->animateClick();
                    return true;
                }
                FormKeyPress(ke);
                return true;
            }
        }
    } else if ((type == QEvent::Enter || type == QEvent::MouseMove || type == QEvent::FocusIn) &&
               watched->isWidgetType()) {
        // The pointer over a control, or the keyboard focus on it, shows its hint.
        const QVariant hint = watched->property("jaxoHint");
        if (hint.isValid() && static_cast<QWidget*>(watched)->isEnabled()) setHint(hint.toString());
    } else if (type == QEvent::Resize && watched == desk_) {
        mainctr_->setFixedWidth(desk_->width());
        backImage1_->setGeometry(0, 0, desk_->width(), desk_->height());
        backImage1_->lower();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::toolBarKey(QToolButton* button, QKeyEvent* e) {
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

void TForm1::FormKeyPress(QKeyEvent* e) {
    QWidget* focus = QApplication::focusWidget();
    auto* line = qobject_cast<KeyLineEdit*>(focus);
    if (auto* input = qobject_cast<PageInput*>(focus)) line = input->target();
    if (line) line->deliverKeyDownOnly(e);
    focusNextControl();
}

void TForm1::focusNextControl() {
    QWidget* start = QApplication::focusWidget();
    if (!start || start->window() != this) return;
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (w->window() == this && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// The exercise commands.
void TForm1::m1aClick() { zgform_->m1aClick(); }
void TForm1::m1bClick() { chinapanel_->startLesson(bytes::gb("高频字练习"), "/gpz.jxo"); }
void TForm1::m1cClick() { chinapanel_->startLesson(bytes::gb("二级简码练习"), "/ejjm.jxo"); }
void TForm1::m1dClick() { chinapanel_->startLesson(bytes::gb("三级简码练习"), "/sjjm.jxo"); }
void TForm1::m1fClick() { chinapanel_->startLesson(bytes::gb("文章练习"), "/clesson.txt"); }
void TForm1::N7Click() { chinapanel_->startLesson(bytes::gb("二字词组练习"), "/ezcz.jxo"); }
void TForm1::N9Click() { chinapanel_->startLesson(bytes::gb("三字词组练习"), "/shzcz.jxo"); }
void TForm1::N11Click() { chinapanel_->startLesson(bytes::gb("四字词组练习"), "/szcz.jxo"); }
void TForm1::m2aClick() { englishform_->startEnglishLesson(bytes::gb("英文初级练习"), "/ywcj.jxo"); }
void TForm1::m2bClick() { englishform_->startEnglishLesson(bytes::gb("英文中级练习"), "/ywzj.jxo"); }
void TForm1::m2cClick() { englishform_->startEnglishLesson(bytes::gb("英文高级练习"), "/ywgj.jxo"); }
void TForm1::m2dClick() { englishform_->startEnglishLesson(bytes::gb("英文文章练习"), "/elesson.txt"); }
void TForm1::MenuItem4Click() { chinapanel_->startTest(false, bytes::gb("中文练习"), "/ctest.txt"); }
void TForm1::MenuItem6Click() { chinapanel_->startTest(true, bytes::gb("中文练习"), "/ctest.txt"); }
// The English tests run on the Chinese page.
void TForm1::MenuItem1Click() { chinapanel_->startTest(false, bytes::gb("英文练习"), "/etest.txt"); }
void TForm1::MenuItem3Click() { chinapanel_->startTest(true, bytes::gb("英文练习"), "/etest.txt"); }
void TForm1::m4aClick() { bdcform_->startWordDrill("/xxyy.eng", bytes::gb("新版小学英语")); }
void TForm1::m4bClick() { bdcform_->startWordDrill("/czhyy.eng", bytes::gb("新版初中英语")); }
void TForm1::m4eClick() { bdcform_->startWordDrill("/gzhyy.eng", bytes::gb("新版高中英语")); }
void TForm1::N5Click() { bdcform_->startWordDrill("/yy14.eng", bytes::gb("大学英语1-4级")); }
void TForm1::N6Click() { bdcform_->startWordDrill("/yy56.eng", bytes::gb("大学英语5-6级")); }
void TForm1::m4dClick() { bdcform_->startWordDrill("/gmat.eng", bytes::gb("GMAT词汇")); }
void TForm1::m4fClick() { bdcform_->startWordDrill("/gre.eng", bytes::gb("GRE英语词汇")); }
void TForm1::m4gClick() { bdcform_->startWordDrill("/tf6000.eng", bytes::gb("托福600分单词")); }
void TForm1::m4hClick() { bdcform_->startWordDrill("/yjlx.eng", bytes::gb("语句练习")); }

// The system commands.
void TForm1::m5aClick() {
    services_.shell->openDocument(QString::fromStdString(state_.appDir + "/help/index.html"));
}

void TForm1::m5bClick() {
    Taboutform aboutform(*this, this);
    runModal(aboutform);
}

void TForm1::m5cClick() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->showMinimized();
}

void TForm1::m5dClick() { system_->m5dClick(); }

void TForm1::m5eClick() { close(); }

history::Store* TForm1::historyStore() {
    // What the recorder still holds goes in first, so the window shows the latest report.
    history_->flush();
    if (historyReader_) return historyReader_.get();
    if (services_.openHistory) {
        historyReader_ = services_.openHistory();
    } else {
        QStringList problems;
        historyReader_ = history::Store::open(&problems);
        for (const QString& p : problems) services_.messages->showError(errors::displayText(p));
    }
    return historyReader_.get();
}

void TForm1::historyClick() {
    // The window comes from a module loaded at the first click; without it the main
    // screen stays as it was.
    QString problem;
    const std::unique_ptr<history::Window> view = history::openWindow(
        services_.historyModule, historyStore(), wbbook_, state_.radicalTable, *services_.messages, this, &problem);
    if (!view) {
        services_.messages->showError(errors::displayText(problem));
        return;
    }
    runModal(view->dialog());
    // The practices start once the window has closed.
    if (view->practice() == history::Practice::WeakChars)
        chinapanel_->startGeneratedLesson(bytes::gb("薄弱字练习"), view->weakLesson());
    else if (view->practice() == history::Practice::WeakRadicals)
        zgform_->startWeakDrill(view->weakRadicals());
}
