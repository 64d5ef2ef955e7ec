#include "radicals/radicalpanel.h"

#include "adaptive/adaptivefiles.h"
#include "widgets/access.h"
#include "widgets/bytegridlabel.h"
#include "exercise/exercisehost.h"
#include "widgets/fonts.h"
#include "widgets/keylineedit.h"
#include "widgets/releasesettler.h"
#include "common/platform.h"
#include "radicals/keychartview.h"
#include "sound/music.h"

#include <QKeyEvent>
#include <QPushButton>
#include <cctype>

RadicalPanel::RadicalPanel(ExerciseHost& host, QWidget* parent)
    : QFrame(parent), host_(host), run_(host, *this, "zgtimerctr", [this] { onTimer(); }),
      drill_(run_.score(), host.settings(), host.random()) {
    setObjectName(QStringLiteral("zgform"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFont(fonts::song(11));
    setGeometry(90, 70, 636, 400);

    releases_ = new ReleaseSettler(this, [this](long long id) { judgeRelease(id); });

    // The row: a light shadow under it, like the other label pairs.
    auto gridLabel = [this](const char* name, QPoint pos) {
        auto* l = new ByteGridLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(fonts::song(15));
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->move(pos);
        l->resize(static_cast<int>(l->columnWidth() * 52) + 2, QFontMetrics(l->font()).height() + 4);
        return l;
    };
    radicalRow1_ = gridLabel("zgtext1", QPoint(81, 91));
    radicalRow1_->setEnabled(false);
    QPalette shadow = radicalRow1_->palette();
    shadow.setColor(QPalette::Disabled, QPalette::WindowText, QColor(255, 255, 255));
    radicalRow1_->setPalette(shadow);
    radicalRow2_ = gridLabel("zgtext2", QPoint(80, 90));
    markRow1_ = gridLabel("zgxsh1", QPoint(80, 120));
    markRow2_ = gridLabel("zgxsh2", QPoint(80, 120));
    for (ByteGridLabel* l : {markRow1_, markRow2_}) l->setMarking(true);
    // One of each twin is drawn only for the look.
    a11y::hideDecoration(radicalRow1_);
    a11y::hideDecoration(markRow1_);

    keyHint_ = LabelPair(this, QStringLiteral("kjxsh1"), QStringLiteral("kjxsh2"), fonts::song(10), QPoint(50, 180));
    run_.placeCaptions({"zgtime2", "zgtime1", QPoint(290, 10)}, {"zgzuang1", "zgzuang1a", QPoint(470, 35)},
                       {"zgzuang2", "zgzuang2a", QPoint(530, 50)});

    // Below the visible part of the panel: it only takes the keys.
    input_ = new KeyLineEdit(this);
    input_->setObjectName(QStringLiteral("zgput"));
    input_->setFont(fonts::song(15));
    input_->setGeometry(80, 600, 30, 30);
    input_->setLatinOnly(true);
    input_->setAccessibleName(tr("字根输入"));
    input_->onKeyDown = [this](QKeyEvent* e) { inputKeyDown(e); };
    input_->onKeyPress = [this](QKeyEvent* e, int ch) { return inputKeyPress(e, ch); };
    input_->onKeyUp = [this](QKeyEvent* e) { inputKeyUp(e); };
    // Only the keys count: what an input method commits anyway is taken back.
    input_->onCommit = [this] { input_->setText(bytes::toUnicode(drill_.pendingText())); };

    exitButton_ = new QPushButton(tr("退出"), this);
    exitButton_->setObjectName(QStringLiteral("zgexit"));
    exitButton_->setFont(fonts::song(13));
    exitButton_->setGeometry(530, 160, 90, 40);
    exitButton_->setFlat(true);
    run_.takeExitButton(exitButton_, [this] { exitDrill(); });

    keyChart_ = new KeyChartView(radicals::table(), this);
    keyChart_->move(32, 206);
}

void RadicalPanel::start(const ExerciseKind& kind, std::vector<int> entries) {
    if (!run_.begin(kind)) return;
    ExerciseScore& s = run_.score();
    drill_.begin(s.startMs, std::move(entries), s.lessonTitle);
    // The live keyboard switch is read afresh: it may have changed since the last drill.
    keyChart_->setLive(adaptive::loadPreferences().liveKeyboard);
    input_->clear();
    run_.captions().showTitles(s);
    showDrill();
    sayRadical(false);
    input_->setFocus();
}

void RadicalPanel::showDrill() {
    radicalRow1_->setBytes(drill_.row());
    radicalRow2_->setBytes(drill_.row());
    markRow1_->setBytes(drill_.markLine());
    markRow2_->setBytes(drill_.markLine());
    keyHint_.setText(bytes::toUnicode(drill_.hint()));
    keyChart_->setNextKey(drill_.nextKey());
}

void RadicalPanel::sayRadical(bool wrong) {
    // The radical under the arrow, its key and the key's verse: "金：Q键。金勺缺点…".
    const ByteText& marks = drill_.markLine();
    const ByteText& hint = drill_.hint();
    if (marks.size() < 2 || hint.empty()) return;
    const QString radical = bytes::toUnicode(bytes::copy(drill_.row(), static_cast<long long>(marks.size()) - 1, 2));
    QString said = tr("%1：%2键。%3")
                       .arg(radical, QString(QChar(hint[0])).toUpper(), bytes::toUnicode(bytes::copy(hint, 3, static_cast<long long>(hint.size()))));
    if (wrong) said.prepend(tr("错。"));
    a11y::announce(input_, said);
}

radicals::RadicalDrill::KeyId RadicalPanel::keyId(const QKeyEvent* e) {
    // The scan code names the physical key, whatever Shift makes of its symbol; events
    // without one (synthesised) fall back to the key code.
    if (e->nativeScanCode() != 0) return static_cast<long long>(e->nativeScanCode());
    return (1LL << 32) | static_cast<unsigned>(e->key());
}

void RadicalPanel::inputKeyDown(QKeyEvent* e) {
    swallowPress_ = true;
    if (e->isAutoRepeat()) return;
    const auto id = keyId(e);
    if (releases_->continuesHeldKey(id, e)) return;
    // With detectable repeat X sends presses only: a key already down is still one stroke.
    if (drill_.isDown(id)) return;
    swallowPress_ = false;
    const QString t = e->text();
    const bool prints = !t.isEmpty() && t.at(0).unicode() >= 0x20 && t.at(0).unicode() != 0x7F;
    drill_.keyDown(id, prints ? bytes::fromUnicode(t) : ByteText());
    showDrill();
    input_->setText(bytes::toUnicode(drill_.pendingText()));
}

bool RadicalPanel::inputKeyPress(QKeyEvent* e, int ch) {
    // The box shows only what the keys held down typed; a repeat adds nothing.
    if (e->isAutoRepeat() || swallowPress_) return false;
    host_.sound().playKeySound();
    if (ch == 27) endRadicalDrill();
    return false;
}

void RadicalPanel::inputKeyUp(QKeyEvent* e) {
    if (e->isAutoRepeat() || !drill_.running()) return;
    releases_->released(keyId(e), e);
}

void RadicalPanel::judgeRelease(radicals::RadicalDrill::KeyId id) {
    if (!drill_.running()) return;
    const int wrongBefore = score().wrongCount;
    const int judgedBefore = wrongBefore + score().rightCount;
    const ByteText typed = drill_.typedBy(id);
    drill_.keyUp(id);
    input_->setText(bytes::toUnicode(drill_.pendingText()));
    showDrill();
    // A letter in capital (Caps Lock) was still typed on that letter's key.
    if (score().wrongCount != wrongBefore && typed.size() == 1)
        keyChart_->flashWrong(static_cast<char>(std::tolower(static_cast<unsigned char>(typed[0]))));
    if (score().wrongCount + score().rightCount != judgedBefore) sayRadical(score().wrongCount != wrongBefore);
}

void RadicalPanel::onTimer() {
    if (!drill_.running()) return;
    const bool limit = drill_.tick(host_.clock().msecs());
    run_.showClock(drill_.clock());
    if (limit) endRadicalDrill();
}

void RadicalPanel::exitDrill() { endRadicalDrill(); }

void RadicalPanel::endRadicalDrill() {
    if (!drill_.running()) return;
    // A key released just before the end still counts.
    releases_->settleNow();
    run_.end({}, [this] {
        drill_.finish();
        input_->clear();
    });
}
