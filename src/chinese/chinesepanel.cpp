#include "chinese/chinesepanel.h"

#include "adaptive/chinesecoach.h"
#include "widgets/bytegridlabel.h"
#include "exercise/exercisehost.h"
#include "exercise/exerciserun.h"
#include "widgets/fonts.h"
#include "widgets/keylineedit.h"
#include "widgets/labelpair.h"
#include "widgets/pageinput.h"
#include "exercise/testdump.h"
#include "widgets/typingline.h"
#include "chinese/chinesecheck.h"
#include "chinese/schemehints.h"
#include "common/errors.h"
#include "common/linestore.h"
#include "common/platform.h"
#include "common/randomsource.h"
#include "sound/music.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>
#include <utility>

namespace {
constexpr int kLeft = 40;
constexpr int kReferenceTops[chinese::kLineCount] = {80, 125, 175, 225, 275};
constexpr int kInputTops[chinese::kLineCount] = {100, 150, 200, 250, 300};

QString uni(const ByteText& t) { return bytes::toUnicode(t); }

const QString& question() {
    static const QString q = QCoreApplication::translate("ChinesePanel", "这样退出将没有成绩,您确定吗?");
    return q;
}
}  // namespace

ChinesePanel::ChinesePanel(ExerciseHost& host, QWidget* parent)
    : QFrame(parent), host_(host), run_(host, *this, "chinatimerctr", [this] { onTimer(); }) {
    setObjectName(QStringLiteral("chinapanel"));
    setFont(fonts::song(11));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setGeometry(110, 70, 600, 400);


    for (int k = 0; k < chinese::kLineCount; ++k) {
        const QString n = QString::number(k + 1);
        const TypingLine line = makeTypingLine(this, QStringLiteral("chinatext") + n, QStringLiteral("chinapd") + n,
                                               QStringLiteral("chinaput") + n, kLeft, kReferenceTops[k], kInputTops[k], k + 1);
        referenceLines_[k] = line.text;
        markLines_[k] = line.marks;
        KeyLineEdit* put = line.put;
        put->setCursor(Qt::PointingHandCursor);
        put->setReadOnly(k != 0);
        // Keys and commits come through input_, which keeps the focus for the whole page.
        put->setFocusPolicy(Qt::NoFocus);
        put->onKeyPress = [this](QKeyEvent*, int ch) { return lineKeyPress(ch); };
        put->onKeyUp = [this, k](QKeyEvent*) { lineChanged(k); };
        put->onCommit = [this, k]() {
            // Committed text: an input method is on after all.
            if (std::exchange(imOffHintShown_, false)) host_.setHint({});
            lineChanged(k);
        };
        inputLines_[k] = put;
    }
    input_ = new PageInput(this);
    input_->setObjectName(QStringLiteral("chinainput"));
    input_->setCursor(Qt::PointingHandCursor);
    input_->setTarget(inputLines_[0]);

    run_.placeCaptions({"chinatime1", "chinatime2", QPoint(270, 10)}, {"zzz1", "zzz1a", QPoint(420, 35)},
                       {"zzz2", "zzz2a", QPoint(480, 50)});

    auto button = [&](const char* name, const QString& caption, QRect place) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setIconSize(QSize(24, 24));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setFont(fonts::song(13));
        b->setGeometry(place);
        return b;
    };
    nextPageButton_ = button("chinanextpage", tr("下一页"), QRect(370, 340, 100, 40));
    exitButton_ = button("chinaexit", tr("退出"), QRect(480, 340, 90, 40));
    forcedExitButton_ = button("exitexit", tr("退出"), QRect(480, 340, 90, 40));
    run_.takeButton(nextPageButton_, [this] { nextPage(); }, tr("选择下一页作为练习内容..."));
    // A key for the flat button, which stays out of the focus chain.
    nextPageButton_->setShortcut(QKeySequence(Qt::Key_PageDown));
    run_.takeExitButton(exitButton_, [this] { exitPractice(); });
    run_.takeExitButton(forcedExitButton_, [this] { forceExit(); }, tr("强行退出测试状态..."));

    hintFrame_ = new QFrame(this);
    hintFrame_->setObjectName(QStringLiteral("wbxhelp"));
    hintFrame_->setFrameShape(QFrame::Panel);
    hintFrame_->setFrameShadow(QFrame::Sunken);
    hintFrame_->setFont(fonts::song(11));
    hintFrame_->setGeometry(40, 330, 200, 60);
    for (int j = 0; j < 4; ++j) {
        auto* l = new QLabel(hintFrame_);
        l->setObjectName(QStringLiteral("wbLabel%1").arg(j + 1));
        l->setFont(fonts::song(11));
        l->setGeometry(10, j == 0 ? 8 : 30, 185, 22);
        hintLabels_[j] = l;
    }
    coach_ = new ChineseCoach(host_, this, QRect(40, 35, 370, 42));
    showFlags();
}

ChinesePanel::~ChinesePanel() = default;

// A lesson or a test of the Chinese page; `generated` is a text made by the program
// (the weak characters), which starts at its first byte.
void ChinesePanel::start(const ExerciseKind& kind, const ByteText* generated, const ByteText* title) {
    // The adaptive drill makes its lesson from what the learner can do.
    ByteText made;
    if (coach_->begin(kind, made))
        generated = &made;
    else if (kind.id == ExerciseId::ChineseAdaptive)
        return;
    if (!run_.begin(kind, generated, title)) return;
    const ExerciseScore& s = score();
    const bool test = kind.test;
    flags_.timerOn = true;
    flags_.panelVisible = true;
    // An English test is typed on these lines: plain keys, even with a Chinese input
    // method left on, and a line ends after its last byte.
    englishTest_ = kind.latinText;
    for (KeyLineEdit* put : inputLines_) put->setLatinOnly(englishTest_);
    input_->refresh();
    page_.lessonSize = bytes::length(host_.lessonStore().text());
    // A generated lesson puts what matters most first: it starts there.
    page_.lessonPos = (test && !kind.randomStart) || generated ? 0 : chinese::randomStart(page_.lessonSize, host_.random());
    chinese::fillPage(page_, host_.lessonStore().text());
    if (test) chinese::showTestButtons(flags_);
    run_.captions().mode.setText(shownTitle(s.modeTitle));
    if (test)
        run_.captions().lesson.setText(kind.randomStart ? tr("随机测试") : tr("顺序测试"));
    else
        run_.captions().lesson.setText(shownTitle(s.lessonTitle));
    // A test shows no hints: its bar stays hidden until it ends.
    if (!test) chinese::showHintsFor(&host_.scheme(), books(), page_.text[0], 1, hints_);
    showPage();
    showHints();
    showFlags();
    focusWritable();
    dumpStateForTests();
}

void ChinesePanel::nextPage() {
    chinese::fillPage(page_, host_.lessonStore().text());
    showCodeHints(page_.text[0], 1);
    showPage();
    focusWritable();
    dumpStateForTests();
}

chinese::CodeBooks ChinesePanel::books() const {
    return {&host_.codeBook(1), &host_.codeBook(2), &host_.codeBook(3), &host_.codeBook(4)};
}

void ChinesePanel::showCodeHints(const ByteText& line, int column) {
    chinese::showHintsFor(&host_.scheme(), books(), line, column, hints_);
    showHints();
}

// After every commit and every key release in line k; each change of the text is
// judged once, whichever of the two comes first.
void ChinesePanel::lineChanged(int k) {
    KeyLineEdit* put = inputLines_[k];
    if (put->isReadOnly() || !flags_.panelVisible) return;
    const QString text = put->text();
    const int caret = bytes::length(bytes::fromUnicode(text.left(put->cursorPosition())));
    const QString before = uni(page_.input[k]);
    const QString reference = uni(page_.text[k]);
    const chinese::ChangeResult r = chinese::lineChanged(
        page_, hints_, score(), host_.lessonStore().text(), books(), k, bytes::fromUnicode(text), caret,
        englishTest_, &host_.scheme());
    coach_->changed(reference, before, text);
    if (page_.writable != k) coach_->lineStarted();
    showPage();
    showHints();
    if (r.full) focusWritable();
    dumpStateForTests();
}

bool ChinesePanel::lineKeyPress(int ch) {
    // A letter that arrives as a plain key press went past the input method: none is on.
    const bool letter = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
    if (letter && !englishTest_) {
        const scheme::Scheme& s = host_.scheme();
        // Another scheme's learner is told which input method to switch on.
        host_.setHint(s.style == scheme::CodeStyle::Wubi
                          ? chinese::kInputMethodOffHint
                          : tr("输入法未打开：%1（见帮助 F1）...").arg(scheme::inputMethodAdvice(s)));
        imOffHintShown_ = true;
    }
    if (ch != 27) return true;
    // A held Escape repeats into the line the practice has left: it ends only once.
    if (flags_.panelVisible && !runningTest(score())) end(chinese::Ending::PracticeEscape);
    return false;
}

void ChinesePanel::exitPractice() { end(chinese::Ending::PracticeExit); }

void ChinesePanel::forceExit() {
    if (asking_) return;
    asking_ = true;
    limitWhileAsking_ = false;
    const bool yes = host_.messages().askYesNo(tr("提示"), question());
    asking_ = false;
    if (limitWhileAsking_) {
        // The limit came first and closed the question: the test ends with its report.
        limitWhileAsking_ = false;
        end(chinese::Ending::TestLimit);
        return;
    }
    if (yes) end(chinese::Ending::ForcedExit);
}

void ChinesePanel::onTimer() {
    if (!flags_.timerOn) return;
    const chinese::TickResult t = chinese::tick(score(), host_.settings(), host_.clock().msecs());
    run_.showClock(t.caption);
    if (!t.ending) return;
    if (asking_) {
        // The question is open: stop the clock, close the question, and let the
        // question's caller end the test once.
        limitWhileAsking_ = true;
        flags_.timerOn = false;
        run_.timer()->stop();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->text() == question()) box->done(QMessageBox::No);
        return;
    }
    end(*t.ending);
}

void ChinesePanel::end(chinese::Ending ending) {
    const chinese::EndingEffect fx =
        chinese::endExercise(ending, score(), page_, flags_, bytes::fromUnicode(run_.captions().clock.text()));
    run_.end(fx, [this] {
        coach_->end();
        showFlags();
        dumpStateForTests();
    });
}

void ChinesePanel::showPage() {
    for (int k = 0; k < chinese::kLineCount; ++k) {
        referenceLines_[k]->setBytes(page_.text[k]);
        markLines_[k]->setBytes(page_.marks[k]);
        KeyLineEdit* put = inputLines_[k];
        if (bytes::fromUnicode(put->text()) != page_.input[k]) put->setText(uni(page_.input[k]));
        // Finished and not yet reached lines are read-only, so they can never be counted twice.
        put->setReadOnly(k != page_.writable);
    }
}

void ChinesePanel::showHints() {
    for (int j = 0; j < 4; ++j) {
        const QString caption = uni(chinese::displayCaption(hints_.caption[j]));
        if (hintLabels_[j]->text() != caption) hintLabels_[j]->setText(caption);
        hintLabels_[j]->setVisible(hints_.visible[j]);
    }
}

void ChinesePanel::showFlags() {
    if (flags_.timerOn)
        run_.timer()->start();
    else
        run_.timer()->stop();
    nextPageButton_->setVisible(flags_.nextPageVisible);
    exitButton_->setVisible(flags_.chinaExitVisible);
    forcedExitButton_->setVisible(flags_.exitExitVisible);
    hintFrame_->setVisible(flags_.hintBarVisible);
    setVisible(flags_.panelVisible);
}

// The text goes to the writable line from now on; the focus stays where it is, on the
// page's one input client, so an input method in the middle of a character is not reset.
void ChinesePanel::focusWritable() {
    input_->setTarget(inputLines_[page_.writable]);
    if (!input_->hasFocus()) input_->setFocus(Qt::OtherFocusReason);
}

// For the end-to-end test only: with JAXO_TEST_STATE set, the page and the counts are
// written to that file after every change, so a test driving real keys can read them.
void ChinesePanel::dumpStateForTests() const {
    if (!testdump::enabled()) return;
    QString out;
    for (int k = 0; k < chinese::kLineCount; ++k) {
        out += QStringLiteral("text%1=%2\n").arg(k + 1).arg(uni(page_.text[k]));
        out += QStringLiteral("marks%1=%2\n").arg(k + 1).arg(QString::fromLatin1(QByteArray::fromStdString(page_.marks[k]).toHex()));
        out += QStringLiteral("input%1=%2\n").arg(k + 1).arg(uni(page_.input[k]));
    }
    testdump::write(run_.score(), page_.writable + 1, flags_.panelVisible, out);
}
