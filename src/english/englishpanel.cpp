#include "english/englishpanel.h"

#include "adaptive/englishcoach.h"
#include "widgets/bytegridlabel.h"
#include "exercise/exercisehost.h"
#include "exercise/exerciserun.h"
#include "widgets/fonts.h"
#include "widgets/keylineedit.h"
#include "widgets/pictures.h"
#include "exercise/testdump.h"
#include "widgets/typingline.h"
#include "common/errors.h"
#include "common/linestore.h"
#include "common/platform.h"
#include "common/randomsource.h"
#include "sound/music.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QToolButton>

namespace {
constexpr int kLeft = 50;
constexpr int kReferenceTops[english::kPageLines] = {35, 85, 135};
constexpr int kInputTops[english::kPageLines] = {60, 110, 160};
}  // namespace

EnglishPanel::EnglishPanel(ExerciseHost& host, QWidget* parent)
    : QFrame(parent), host_(host), run_(host, *this, "englishtimer", [this] { onTimer(); }), practice_(run_.score()) {
    setObjectName(QStringLiteral("englishform"));
    setFont(fonts::song(11));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setGeometry(100, 60, 610, 440);


    background_ = new QLabel(this);
    background_->setObjectName(QStringLiteral("engback"));
    background_->setScaledContents(true);
    background_->setGeometry(2, 2, 30, 436);
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("engmage"));
    picture_->setScaledContents(true);
    picture_->setGeometry(40, 225, 530, 207);

    for (int k = 0; k < english::kPageLines; ++k) {
        const QString n = QString::number(k + 1);
        const TypingLine line = makeTypingLine(this, QStringLiteral("englishtext") + n, QStringLiteral("englishpd") + n,
                                               QStringLiteral("englishput") + n, kLeft, kReferenceTops[k], kInputTops[k], k + 1);
        referenceLines_[k] = line.text;
        markLines_[k] = line.marks;
        KeyLineEdit* put = line.put;
        put->setLatinOnly(true);
        put->setContextMenuPolicy(Qt::NoContextMenu);
        put->setDragEnabled(false);
        put->setAcceptDrops(false);
        put->onKeyDown = [this](QKeyEvent* e) { lineKeyDown(e); };
        put->onKeyPress = [this, k](QKeyEvent*, int ch) { return lineKeyPress(k, ch); };
        put->onKeyUp = [this, k](QKeyEvent*) { lineKeyUp(k); };
        inputLines_[k] = put;
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
        b->setGeometry(geometry);
        return b;
    };
    nextButton_ = button("englishnext", tr("下一页"), QRect(380, 183, 100, 40));
    exitButton_ = button("englishexit", tr("退出"), QRect(485, 183, 90, 40));
    // The flat buttons never take the focus from the line being typed: Enter leaves it
    // there, and a space can never turn the page by accident. Keys for them instead.
    run_.takeExitButton(exitButton_, [this] { exitPractice(); });
    run_.takeButton(nextButton_, [this] { nextPage(); }, tr("选择下一页作为练习内容..."));
    nextButton_->setShortcut(QKeySequence(Qt::Key_PageDown));

    run_.placeCaptions({"englishtime1", "englishtime2", QPoint(270, 10)},
                       {"englishzz1", "englishzz1a", QPoint(50, 185)}, {"englishzz2", "englishzz2a", QPoint(120, 195)});
    for (int k = 0; k < english::kPageLines; ++k) markLines_[k]->raise();
    coach_ = new EnglishCoach(host_, this, picture_);
}

void EnglishPanel::showEvent(QShowEvent* e) {
    loadPictures();
    QFrame::showEvent(e);
}

void EnglishPanel::loadPictures() {
    // The program's folder is known only once the main window has started.
    if (picturesLoaded_ || host_.appDirectory().empty()) return;
    picturesLoaded_ = true;
    const std::string& dir = host_.appDirectory();
    picture_->setPixmap(pictures::shared(QString::fromStdString(dir + "/keyboard.jpg")));
    background_->setPixmap(pictures::shared(QString::fromStdString(dir + "/strip.jpg")));
}

void EnglishPanel::start(const ExerciseKind& kind, const ByteText* generated, const ByteText* title) {
    if (!run_.begin(kind, generated, title)) return;
    running_ = true;
    run_.captions().showTitles(score());
    practice_.setLineSource(coach_->begin(kind, english::kLineBytes));
    practice_.start(host_.lessonStore().text(), host_.random(), generated != nullptr);  // counts, start, first page
    showPage();
    inputLines_[0]->setFocus(Qt::OtherFocusReason);
    dumpStateForTests();
}

void EnglishPanel::showNextLines() {
    practice_.fillPage();
    showPage();
    dumpStateForTests();
}

void EnglishPanel::nextPage() {
    if (!running_) return;
    showNextLines();
    inputLines_[0]->setFocus(Qt::OtherFocusReason);
}

void EnglishPanel::exitPractice() { endEnglishPractice(); }

void EnglishPanel::onTimer() {
    if (!running_) return;
    const english::Tick t = english::tick(score(), host_.settings(), host_.clock().msecs());
    run_.showClock(t.clockText);
    if (t.timeUp) endEnglishPractice();
}

void EnglishPanel::endEnglishPractice() {
    if (!running_) return;
    running_ = false;
    run_.end({}, [this] {
        score().elapsedText = bytes::fromUnicode(run_.captions().clock.lower()->text());
        practice_.finalCount();
        coach_->end();
        dumpStateForTests();
    });
}

void EnglishPanel::lineKeyUp(int line) {
    KeyLineEdit* put = inputLines_[line];
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
        coach_->lineStarted();
        break;
    case english::EnglishPractice::KeyUpResult::PageFilled:
        showPage();
        inputLines_[0]->setFocus(Qt::OtherFocusReason);
        break;
    }
    showNextKey();
    dumpStateForTests();
}

void EnglishPanel::showNextKey() {
    const int line = practice_.activeLine();
    coach_->show(practice_.reference(line), inputLines_[line]->cursorPosition());
}

void EnglishPanel::lineKeyDown(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && running_ && !runningTest(score())) endEnglishPractice();
}

bool EnglishPanel::lineKeyPress(int line, int ch) {
    // Nothing reaches a line once its practice has ended (the Escape that ended it).
    if (!running_) return false;
    if (line == practice_.activeLine()) coach_->keyPressed(practice_.reference(line), inputLines_[line]->cursorPosition(), ch);
    host_.sound().playKeySound();
    return true;
}

void EnglishPanel::showPage() {
    for (int k = 0; k < english::kPageLines; ++k) {
        referenceLines_[k]->setBytes(practice_.reference(k));
        inputLines_[k]->clear();
        showMarks(k);
    }
    takeInputOn(practice_.activeLine());
    coach_->lineStarted();
    coach_->pageShown();
    showNextKey();
}

void EnglishPanel::showMarks(int line) { markLines_[line]->setBytes(practice_.marks(line)); }

void EnglishPanel::takeInputOn(int line) {
    KeyLineEdit* active = inputLines_[line];
    active->setReadOnly(false);
    active->setFocusPolicy(Qt::StrongFocus);
    if (isVisible()) active->setFocus(Qt::OtherFocusReason);
    // Finished lines and lines not reached yet neither take keys nor the focus.
    for (KeyLineEdit* put : inputLines_) {
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
        out += QStringLiteral("input%1=%2\n").arg(k + 1).arg(hex(bytes::fromUnicode(inputLines_[k]->text())));
    }
    testdump::write(run_.score(), practice_.activeLine() + 1, running_, out);
}
