#include "vocabulary/wordpanel.h"

#include "widgets/access.h"
#include "widgets/bytegridlabel.h"
#include "exercise/exerciseclock.h"
#include "exercise/exercisehost.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/keylineedit.h"
#include "widgets/pictures.h"
#include "widgets/releasesettler.h"
#include "common/errors.h"
#include "common/linestore.h"
#include "common/platform.h"
#include "settings/music.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int kMeaningWidth = 430;

QLabel* makeLabel(QWidget* parent, const char* name, const QFont& font, QPoint pos) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->move(pos);
    return l;
}

QLabel* makePicture(QWidget* parent, const char* name, QPoint pos) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(pos);
    return l;
}

void loadPicture(QLabel* l, const QString& path, int height) {
    QPixmap p = pictures::shared(path);
    if (p.isNull()) return;
    if (p.height() != height) p = p.scaledToHeight(height, Qt::SmoothTransformation);
    l->setPixmap(p);
    l->resize(p.size());
}

bool isEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

void setText(QLabel* l, const ByteText& text) {
    l->setText(bytes::toUnicode(text));
    l->adjustSize();
}

}  // namespace

WordPanel::WordPanel(ExerciseHost& host, QWidget* parent)
    : QFrame(parent), host_(host), drill_(host.state(), host.tempwjzlj(), host.random()) {
    setObjectName(QStringLiteral("bdcform"));
    setGeometry(100, 75, 610, 400);
    setFont(fonts::song(11));
    setAutoFillBackground(true);

    bdcTimer1_ = makeExerciseTimer(this, "bdcTimer1", &WordPanel::bdcTimer1Timer);

    bdcback_ = makePicture(this, "bdcback", QPoint(0, 0));
    bdctx_ = makePicture(this, "bdctx", QPoint(40, 190));

    bdctime_ = LabelPair(this, QStringLiteral("bdctime1"), QStringLiteral("bdctime2"), fonts::song(12), QPoint(270, 10));
    bdctime_.setText(QStringLiteral("0:00:01"));
    bdczuang1_ = LabelPair(this, QStringLiteral("bdczuang1"), QStringLiteral("bdczuang1a"), fonts::kai(12), QPoint(420, 35));
    bdczuang2_ = LabelPair(this, QStringLiteral("bdczuang2"), QStringLiteral("bdczuang2a"), fonts::kai(12), QPoint(480, 50));

    bdcdc_ = makeLabel(this, "bdcdc", fonts::song(12), QPoint(60, 80));
    bdccy_ = makeLabel(this, "bdccy", fonts::song(12), QPoint(60, 135));
    bdccy_->setWordWrap(true);
    bdccy_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bdcpd_ = makeLabel(this, "bdcpd", fonts::song(15), QPoint(540, 105));
    QPalette red = bdcpd_->palette();
    red.setColor(QPalette::WindowText, ByteGridLabel::markColour());
    bdcpd_->setPalette(red);

    bdcput_ = new KeyLineEdit(this);
    bdcput_->setObjectName(QStringLiteral("bdcput"));
    bdcput_->setFont(fonts::song(12));
    bdcput_->setGeometry(60, 105, 480, 20);
    bdcput_->setFrame(false);
    bdcput_->setCursor(Qt::PointingHandCursor);
    QPalette teal = bdcput_->palette();
    teal.setColor(QPalette::Base, QColor(0, 128, 128));
    teal.setColor(QPalette::Text, Qt::white);
    bdcput_->setPalette(teal);
    // Answers are English: a Chinese input method left on must not swallow the keys.
    bdcput_->setLatinOnly(true);
    bdcput_->setAccessibleName(QStringLiteral("单词输入"));
    bdcput_->onKeyDown = [this](QKeyEvent* e) { bdcputKeyDown(e); };
    bdcput_->onKeyPress = [this](QKeyEvent*, int ch) { return bdcputKeyPress(ch); };
    bdcput_->onKeyUp = [this](QKeyEvent* e) { bdcputKeyUp(e); };
    releases_ = new ReleaseSettler(this, [this](long long) { answer(); });

    bdcexit_ = new QToolButton(this);
    bdcexit_->setObjectName(QStringLiteral("bdcexit"));
    bdcexit_->setText(QStringLiteral("退出"));
    bdcexit_->setFont(fonts::song(13));
    bdcexit_->setIconSize(QSize(24, 24));
    bdcexit_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bdcexit_->setAutoRaise(true);
    bdcexit_->setGeometry(500, 145, 90, 40);
    bdcexit_->setCursor(Qt::PointingHandCursor);
    // Not a tab stop: Enter must leave the focus on the answer line.
    bdcexit_->setFocusPolicy(Qt::NoFocus);
    bdcexit_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Q));
    host_.registerHint(bdcexit_, QStringLiteral("退出练习并查看成绩..."));
    connect(bdcexit_, &QToolButton::clicked, this, &WordPanel::bdcexitClick);
}

void WordPanel::loadPictures() {
    // appDir is known only once the main window has been initialised.
    if (picturesLoaded_) return;
    picturesLoaded_ = true;
    const QString appDir = QString::fromStdString(host_.state().appDir);
    loadPicture(bdcback_, appDir + QStringLiteral("/strip.jpg"), 400);
    loadPicture(bdctx_, appDir + QStringLiteral("/keyboard.jpg"), 207);
    bdcexit_->setIcon(icons::forControl(bdcexit_->objectName(), host_.state().appDir));
}

void WordPanel::startWordDrill(const std::string& fileName, const ByteText& title) {
    MainWindowState& s = host_.state();
    // The list is read before anything changes, so a list that cannot be read leaves
    // the main screen exactly as it was.
    LineStore list;
    try {
        list.loadFile(s.appDir + fileName);
    } catch (const JaxoError& e) {
        host_.showError(e);
        return;
    }

    loadPictures();
    drill_.clearMark();
    showMark();
    host_.collapseToolBar();
    if (s.settings.wordMusic)
        host_.sound().music();
    else
        host_.sound().nomusic();
    host_.sound().keySoundAhead(true);  // its keys click
    bdcput_->clear();
    enterDown_ = false;
    const double now = host_.clock().timeOfDay();
    bdcTimer1_->start();
    show();
    raise();

    host_.tempwjzlj() = std::move(list);
    drill_.start(now, title);
    bdctime_.setText(bytes::toUnicode(drill_.clockText()));
    bdczuang1_.setText(bytes::toUnicode(s.modeTitle));
    bdczuang2_.setText(bytes::toUnicode(s.lessonTitle));
    showEntry();
    bdcput_->setFocus(Qt::OtherFocusReason);
}

void WordPanel::showWordLine() {
    drill_.showWordLine();
    showEntry();
}

void WordPanel::showEntry() {
    setText(bdcdc_, drill_.word());
    // A long meaning wraps before it reaches the exit button.
    bdccy_->setText(bytes::toUnicode(drill_.meaning()));
    bdccy_->resize(kMeaningWidth, bdccy_->heightForWidth(kMeaningWidth));
}

void WordPanel::showMark() {
    switch (drill_.mark()) {
    case WordDrill::Mark::None: bdcpd_->clear(); break;
    case WordDrill::Mark::Right: bdcpd_->setText(QStringLiteral("√")); break;
    case WordDrill::Mark::Wrong: bdcpd_->setText(QStringLiteral("×")); break;
    }
    bdcpd_->adjustSize();
    // The answer line says it too, for a screen reader on it.
    switch (drill_.mark()) {
    case WordDrill::Mark::None: break;
    case WordDrill::Mark::Right: a11y::announce(bdcput_, QStringLiteral("对")); break;
    case WordDrill::Mark::Wrong: a11y::announce(bdcput_, QStringLiteral("错")); break;
    }
}

void WordPanel::bdcputKeyDown(QKeyEvent* e) {
    if (!drill_.running()) return;
    if (releases_->continuesHeldKey(e->key(), e)) return;  // Enter still held: no answer yet
    if (e->isAutoRepeat()) return;
    drill_.clearMark();
    showMark();
    if (e->key() == Qt::Key_Escape) {
        endWordDrill();
        return;
    }
    if (isEnter(e)) enterDown_ = true;
}

bool WordPanel::bdcputKeyPress(int ch) {
    if (!drill_.running()) return false;
    // Enter answers and gives no click (the main window swallows its press anyway).
    if (ch != 13) host_.sound().playKeySound();
    return true;
}

void WordPanel::bdcputKeyUp(QKeyEvent* e) {
    // A held Enter answers once, when it is let go.
    if (!drill_.running() || !isEnter(e) || e->isAutoRepeat() || !enterDown_) return;
    releases_->released(e->key(), e);
}

void WordPanel::answer() {
    if (!drill_.running() || !enterDown_) return;
    enterDown_ = false;
    const ByteText typed = bytes::fromUnicode(bdcput_->text());
    bdcput_->clear();
    drill_.answer(typed);
    showEntry();
    showMark();
}

void WordPanel::bdcTimer1Timer() {
    if (!drill_.running()) {
        bdcTimer1_->stop();
        return;
    }
    const bool atLimit = drill_.tick(host_.clock().timeOfDay());
    bdctime_.setText(bytes::toUnicode(drill_.clockText()));
    if (atLimit) endWordDrill();
}

void WordPanel::bdcexitClick() { endWordDrill(); }

void WordPanel::endWordDrill() {
    if (!drill_.running()) return;
    // An Enter let go just before the end still answers.
    releases_->settleNow();
    bdcTimer1_->stop();
    hide();
    host_.setToolBarEnabled(true);
    drill_.finish();
    host_.openReport();
}
