#include "english/englishpanel.h"

#include "widgets/bytegridlabel.h"
#include "exercise/exerciseclock.h"
#include "exercise/exercisehost.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/keylineedit.h"
#include "widgets/pictures.h"
#include "exercise/testdump.h"
#include "widgets/typingline.h"
#include "common/errors.h"
#include "common/linestore.h"
#include "common/platform.h"
#include "common/randomsource.h"
#include "settings/music.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QTimer>
#include <QToolButton>

namespace {
constexpr int kLeft = 50;
constexpr int kReferenceTops[english::kPageLines] = {35, 85, 135};
constexpr int kInputTops[english::kPageLines] = {60, 110, 160};
}  // namespace

EnglishPanel::EnglishPanel(ExerciseHost& host, QWidget* parent)
    : QFrame(parent), host_(host), practice_(host.state()) {
    setObjectName(QStringLiteral("englishform"));
    setFont(fonts::song(11));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setGeometry(100, 60, 610, 440);

    englishtimer_ = makeExerciseTimer(this, "englishtimer", &EnglishPanel::englishtimerTimer);

    engback_ = new QLabel(this);
    engback_->setObjectName(QStringLiteral("engback"));
    engback_->setScaledContents(true);
    engback_->setGeometry(2, 2, 30, 436);
    engmage_ = new QLabel(this);
    engmage_->setObjectName(QStringLiteral("engmage"));
    engmage_->setScaledContents(true);
    engmage_->setGeometry(40, 225, 530, 207);

    for (int k = 0; k < english::kPageLines; ++k) {
        const QString n = QString::number(k + 1);
        const TypingLine line = makeTypingLine(this, QStringLiteral("englishtext") + n, QStringLiteral("englishpd") + n,
                                               QStringLiteral("englishput") + n, kLeft, kReferenceTops[k], kInputTops[k], k + 1);
        englishtext_[k] = line.text;
        englishpd_[k] = line.marks;
        KeyLineEdit* put = line.put;
        put->setLatinOnly(true);
        put->setContextMenuPolicy(Qt::NoContextMenu);
        put->setDragEnabled(false);
        put->setAcceptDrops(false);
        put->onKeyDown = [this](QKeyEvent* e) { englishput1KeyDown(e); };
        put->onKeyPress = [this](QKeyEvent*, int ch) { return englishput1KeyPress(ch); };
        put->onKeyUp = [this, k](QKeyEvent*) { englishputKeyUp(k); };
        englishput_[k] = put;
    }
    takeInputOn(0);

    auto button = [this](const char* name, const QString& caption, const QRect& geometry) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setFont(fonts::song(13));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setIconSize(QSize(24, 24));
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setGeometry(geometry);
        // Flat buttons never take the focus from the line being typed: Enter leaves it
        // there, and a space can never turn the page by accident.
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    englishnext_ = button("englishnext", QStringLiteral("下一页"), QRect(380, 183, 100, 40));
    englishexit_ = button("englishexit", QStringLiteral("退出"), QRect(485, 183, 90, 40));
    // Keys for the flat buttons, which stay out of the focus chain.
    englishnext_->setShortcut(QKeySequence(Qt::Key_PageDown));
    englishexit_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Q));
    connect(englishnext_, &QToolButton::clicked, this, &EnglishPanel::englishnextClick);
    connect(englishexit_, &QToolButton::clicked, this, &EnglishPanel::englishexitClick);
    host_.registerHint(englishexit_, QStringLiteral("退出练习并查看成绩..."));
    host_.registerHint(englishnext_, QStringLiteral("选择下一页作为练习内容..."));

    englishtime_ = LabelPair(this, QStringLiteral("englishtime1"), QStringLiteral("englishtime2"), fonts::song(12), QPoint(270, 10));
    englishzz1_ = LabelPair(this, QStringLiteral("englishzz1"), QStringLiteral("englishzz1a"), fonts::kai(12), QPoint(50, 185));
    englishzz2_ = LabelPair(this, QStringLiteral("englishzz2"), QStringLiteral("englishzz2a"), fonts::kai(12), QPoint(120, 195));
    englishtime_.setText(QStringLiteral("0:00:01"));
    for (int k = 0; k < english::kPageLines; ++k) englishpd_[k]->raise();
}

void EnglishPanel::showEvent(QShowEvent* e) {
    loadPictures();
    QFrame::showEvent(e);
}

void EnglishPanel::loadPictures() {
    // The program's folder is known only once the main window has started.
    if (picturesLoaded_ || host_.state().appDir.empty()) return;
    picturesLoaded_ = true;
    const std::string& dir = host_.state().appDir;
    engmage_->setPixmap(pictures::shared(QString::fromStdString(dir + "/keyboard.jpg")));
    engback_->setPixmap(pictures::shared(QString::fromStdString(dir + "/strip.jpg")));
    englishnext_->setIcon(icons::forControl(englishnext_->objectName(), dir));
    englishexit_->setIcon(icons::forControl(englishexit_->objectName(), dir));
}

void EnglishPanel::startEnglishLesson(const ByteText& lessonTitle, const std::string& fileName) {
    MainWindowState& s = host_.state();
    // The file is read before anything changes: a lesson that cannot be read leaves the
    // main screen as it was, with the message naming the file. Loading replaces what
    // the store held.
    LineStore& store = host_.tempwjzlj();
    try {
        store.loadFile(s.appDir + fileName);
    } catch (const JaxoError& e) {
        host_.showError(e);
        return;
    }

    host_.collapseToolBar();
    show();
    raise();
    englishtimer_->start();
    running_ = true;
    s.modeTitle = bytes::gb("英文练习");
    s.lessonTitle = lessonTitle;
    if (s.settings.englishMusic)
        host_.sound().music();
    else
        host_.sound().nomusic();
    host_.sound().keySoundAhead(true);  // its keys click
    s.startTime = host_.clock().timeOfDay();
    englishzz1_.setText(bytes::toUnicode(s.modeTitle));
    englishzz2_.setText(bytes::toUnicode(s.lessonTitle));
    practice_.start(store.text(), host_.random());  // counts, start, first page
    showPage();
    englishput_[0]->setFocus(Qt::OtherFocusReason);
    dumpStateForTests();
}

void EnglishPanel::englishenglish() {
    practice_.fillPage();
    showPage();
    dumpStateForTests();
}

void EnglishPanel::englishnextClick() {
    if (!running_) return;
    englishenglish();
    englishput_[0]->setFocus(Qt::OtherFocusReason);
}

void EnglishPanel::englishexitClick() { endEnglishPractice(); }

void EnglishPanel::englishtimerTimer() {
    if (!running_) return;
    const english::Tick t = english::tick(host_.state(), host_.clock().timeOfDay());
    englishtime_.setText(bytes::toUnicode(t.clockText));
    if (t.timeUp) endEnglishPractice();
}

void EnglishPanel::endEnglishPractice() {
    if (!running_) return;
    running_ = false;
    MainWindowState& s = host_.state();
    s.elapsedText = bytes::fromUnicode(englishtime_.lower()->text());
    englishtimer_->stop();
    practice_.finalCount();
    hide();
    dumpStateForTests();
    host_.setToolBarEnabled(true);
    host_.openReport();
}

void EnglishPanel::englishputKeyUp(int line) {
    KeyLineEdit* put = englishput_[line];
    // A finished line (or one not reached yet) takes no part in the checking.
    if (!running_ || put->isReadOnly()) return;
    const QString text = put->text();
    const ByteText input = bytes::fromUnicode(text);
    const int caret = bytes::length(bytes::fromUnicode(text.left(put->cursorPosition())));
    switch (practice_.keyUp(line, input, caret)) {
    case english::EnglishPractice::KeyUpResult::Ignored: break;
    case english::EnglishPractice::KeyUpResult::Checked: showMarks(line); break;
    case english::EnglishPractice::KeyUpResult::LineFinished:
        showMarks(line);
        takeInputOn(line + 1);
        break;
    case english::EnglishPractice::KeyUpResult::PageFilled:
        showPage();
        englishput_[0]->setFocus(Qt::OtherFocusReason);
        break;
    }
    dumpStateForTests();
}

void EnglishPanel::englishput1KeyDown(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && running_ && host_.state().lessonTitle != bytes::gb("测试")) endEnglishPractice();
}

bool EnglishPanel::englishput1KeyPress(int) {
    // Nothing reaches a line once its practice has ended (the Escape that ended it).
    if (!running_) return false;
    host_.sound().playKeySound();
    return true;
}

void EnglishPanel::showPage() {
    for (int k = 0; k < english::kPageLines; ++k) {
        englishtext_[k]->setBytes(practice_.reference(k));
        englishput_[k]->clear();
        showMarks(k);
    }
    takeInputOn(practice_.activeLine());
}

void EnglishPanel::showMarks(int line) { englishpd_[line]->setBytes(practice_.marks(line)); }

void EnglishPanel::takeInputOn(int line) {
    KeyLineEdit* active = englishput_[line];
    active->setReadOnly(false);
    active->setFocusPolicy(Qt::StrongFocus);
    if (isVisible()) active->setFocus(Qt::OtherFocusReason);
    // Finished lines and lines not reached yet neither take keys nor the focus.
    for (KeyLineEdit* put : englishput_) {
        if (put == active) continue;
        put->setReadOnly(true);
        put->setFocusPolicy(Qt::NoFocus);
    }
}

// For the end-to-end test only: with JAXO_TEST_STATE set, the page and the counts are
// written to that file after every change, so a test driving real keys can read them.
void EnglishPanel::dumpStateForTests() const {
    if (!testdump::enabled()) return;
    QString out;
    for (int k = 0; k < english::kPageLines; ++k) {
        const auto hex = [](const ByteText& t) { return QString::fromLatin1(QByteArray::fromStdString(t).toHex()); };
        out += QStringLiteral("text%1=%2\n").arg(k + 1).arg(hex(practice_.reference(k)));
        out += QStringLiteral("marks%1=%2\n").arg(k + 1).arg(hex(practice_.marks(k)));
        out += QStringLiteral("input%1=%2\n").arg(k + 1).arg(hex(bytes::fromUnicode(englishput_[k]->text())));
    }
    testdump::write(host_.state(), practice_.activeLine() + 1, running_, out);
}
