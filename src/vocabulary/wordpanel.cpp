#include "vocabulary/wordpanel.h"

#include "widgets/access.h"
#include "widgets/bytegridlabel.h"
#include "exercise/exercisehost.h"
#include "widgets/fonts.h"
#include "widgets/keylineedit.h"
#include "widgets/pictures.h"
#include "widgets/releasesettler.h"
#include "common/errors.h"
#include "common/linestore.h"
#include "common/platform.h"
#include "sound/music.h"

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
    : QFrame(parent), host_(host), run_(host, *this, "bdcTimer1", [this] { onTimer(); }),
      drill_(run_.score(), host.settings(), host.lessonStore(), host.random()) {
    setObjectName(QStringLiteral("bdcform"));
    setGeometry(100, 75, 610, 400);
    setFont(fonts::song(11));
    setAutoFillBackground(true);

    background_ = makePicture(this, "bdcback", QPoint(0, 0));
    picture_ = makePicture(this, "bdctx", QPoint(40, 190));

    run_.placeCaptions({"bdctime1", "bdctime2", QPoint(270, 10)}, {"bdczuang1", "bdczuang1a", QPoint(420, 35)},
                       {"bdczuang2", "bdczuang2a", QPoint(480, 50)});

    wordLabel_ = makeLabel(this, "bdcdc", fonts::song(12), QPoint(60, 80));
    meaningLabel_ = makeLabel(this, "bdccy", fonts::song(12), QPoint(60, 135));
    meaningLabel_->setWordWrap(true);
    meaningLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    markLabel_ = makeLabel(this, "bdcpd", fonts::song(15), QPoint(540, 105));
    QPalette red = markLabel_->palette();
    red.setColor(QPalette::WindowText, ByteGridLabel::markColour());
    markLabel_->setPalette(red);

    input_ = new KeyLineEdit(this);
    input_->setObjectName(QStringLiteral("bdcput"));
    input_->setFont(fonts::song(12));
    input_->setGeometry(60, 105, 480, 20);
    input_->setFrame(false);
    input_->setCursor(Qt::PointingHandCursor);
    QPalette teal = input_->palette();
    teal.setColor(QPalette::Base, QColor(0, 128, 128));
    teal.setColor(QPalette::Text, Qt::white);
    input_->setPalette(teal);
    // Answers are English: a Chinese input method left on must not swallow the keys.
    input_->setLatinOnly(true);
    input_->setAccessibleName(tr("单词输入"));
    input_->onKeyDown = [this](QKeyEvent* e) { inputKeyDown(e); };
    input_->onKeyPress = [this](QKeyEvent*, int ch) { return inputKeyPress(ch); };
    input_->onKeyUp = [this](QKeyEvent* e) { inputKeyUp(e); };
    releases_ = new ReleaseSettler(this, [this](long long) { answer(); });

    exitButton_ = new QToolButton(this);
    exitButton_->setObjectName(QStringLiteral("bdcexit"));
    exitButton_->setText(tr("退出"));
    exitButton_->setFont(fonts::song(13));
    exitButton_->setIconSize(QSize(24, 24));
    exitButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    exitButton_->setAutoRaise(true);
    exitButton_->setGeometry(500, 145, 90, 40);
    // Not a tab stop: Enter must leave the focus on the answer line.
    run_.takeExitButton(exitButton_, [this] { exitDrill(); });
}

void WordPanel::loadPictures() {
    // appDir is known only once the main window has been initialised.
    if (picturesLoaded_) return;
    picturesLoaded_ = true;
    const QString appDir = QString::fromStdString(host_.appDirectory());
    loadPicture(background_, appDir + QStringLiteral("/strip.jpg"), 400);
    loadPicture(picture_, appDir + QStringLiteral("/keyboard.jpg"), 207);
}

void WordPanel::start(const ExerciseKind& kind, const ByteText* generated, const ByteText* title) {
    if (!run_.begin(kind, generated, title)) return;
    const ExerciseScore& s = score();
    loadPictures();
    drill_.clearMark();
    showMark();
    input_->clear();
    enterDown_ = false;
    drill_.start(s.startMs, s.lessonTitle);
    run_.showClock(drill_.clockText());
    run_.captions().showTitles(s);
    showEntry();
    input_->setFocus(Qt::OtherFocusReason);
}

void WordPanel::showEntry(bool announce) {
    setText(wordLabel_, drill_.word());
    // A long meaning wraps before it reaches the exit button.
    meaningLabel_->setText(bytes::toUnicode(drill_.meaning()));
    meaningLabel_->resize(kMeaningWidth, meaningLabel_->heightForWidth(kMeaningWidth));
    // The drill is done by ear too: the word to type and what it means. As the answer
    // line's description, a reader says it with the line when the drill opens (a
    // notification then would be dropped by a reader busy with the new page); later
    // words are announced, as readers do not say a changed description.
    const QString said = tr("%1：%2").arg(wordLabel_->text(), meaningLabel_->text());
    input_->setAccessibleDescription(said);
    if (announce) a11y::announce(input_, said);
}

void WordPanel::showMark() {
    switch (drill_.mark()) {
    case WordDrill::Mark::None: markLabel_->clear(); break;
    case WordDrill::Mark::Right: markLabel_->setText(QStringLiteral("√")); break;
    case WordDrill::Mark::Wrong: markLabel_->setText(QStringLiteral("×")); break;
    }
    markLabel_->adjustSize();
    // The answer line says it too, for a screen reader on it.
    switch (drill_.mark()) {
    case WordDrill::Mark::None: break;
    case WordDrill::Mark::Right: a11y::announce(input_, tr("对")); break;
    case WordDrill::Mark::Wrong: a11y::announce(input_, tr("错")); break;
    }
}

void WordPanel::inputKeyDown(QKeyEvent* e) {
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

bool WordPanel::inputKeyPress(int ch) {
    if (!drill_.running()) return false;
    // Enter answers and gives no click (the main window swallows its press anyway).
    if (ch != 13) host_.sound().playKeySound();
    return true;
}

void WordPanel::inputKeyUp(QKeyEvent* e) {
    // A held Enter answers once, when it is let go.
    if (!drill_.running() || !isEnter(e) || e->isAutoRepeat() || !enterDown_) return;
    releases_->released(e->key(), e);
}

void WordPanel::answer() {
    if (!drill_.running() || !enterDown_) return;
    enterDown_ = false;
    const ByteText typed = bytes::fromUnicode(input_->text());
    input_->clear();
    drill_.answer(typed);
    // The verdict is said before the next word.
    showMark();
    showEntry(true);
}

void WordPanel::onTimer() {
    if (!drill_.running()) {
        run_.timer()->stop();
        return;
    }
    const bool atLimit = drill_.tick(host_.clock().msecs());
    run_.showClock(drill_.clockText());
    if (atLimit) endWordDrill();
}

void WordPanel::exitDrill() { endWordDrill(); }

void WordPanel::endWordDrill() {
    if (!drill_.running()) return;
    // An Enter let go just before the end still answers.
    releases_->settleNow();
    run_.end({}, [this] { drill_.finish(); });
}
