#include "radicals/radicalpanel.h"

#include "widgets/access.h"
#include "widgets/bytegridlabel.h"
#include "exercise/exerciseclock.h"
#include "exercise/exercisehost.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/keylineedit.h"
#include "widgets/releasesettler.h"
#include "common/platform.h"
#include "radicals/keychartview.h"
#include "settings/music.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

RadicalPanel::RadicalPanel(ExerciseHost& host, QWidget* parent)
    : QFrame(parent), host_(host), drill_(host.state(), host.random()) {
    setObjectName(QStringLiteral("zgform"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFont(fonts::song(11));
    setGeometry(90, 70, 636, 400);

    zgtimerctr_ = makeExerciseTimer(this, "zgtimerctr", &RadicalPanel::zgtimerctrTimer);
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
    zgtext1_ = gridLabel("zgtext1", QPoint(81, 91));
    zgtext1_->setEnabled(false);
    QPalette shadow = zgtext1_->palette();
    shadow.setColor(QPalette::Disabled, QPalette::WindowText, QColor(255, 255, 255));
    zgtext1_->setPalette(shadow);
    zgtext2_ = gridLabel("zgtext2", QPoint(80, 90));
    zgxsh1_ = gridLabel("zgxsh1", QPoint(80, 120));
    zgxsh2_ = gridLabel("zgxsh2", QPoint(80, 120));
    for (ByteGridLabel* l : {zgxsh1_, zgxsh2_}) l->setMarking(true);
    // One of each twin is drawn only for the look.
    a11y::hideDecoration(zgtext1_);
    a11y::hideDecoration(zgxsh1_);

    kjxsh_ = LabelPair(this, QStringLiteral("kjxsh1"), QStringLiteral("kjxsh2"), fonts::song(10), QPoint(50, 180));
    zgtime_ = LabelPair(this, QStringLiteral("zgtime2"), QStringLiteral("zgtime1"), fonts::song(12), QPoint(290, 10));
    zgtime_.setText(QStringLiteral("0:00:01"));
    zgzuang1_ = LabelPair(this, QStringLiteral("zgzuang1"), QStringLiteral("zgzuang1a"), fonts::kai(12), QPoint(470, 35));
    zgzuang2_ = LabelPair(this, QStringLiteral("zgzuang2"), QStringLiteral("zgzuang2a"), fonts::kai(12), QPoint(530, 50));

    // Below the visible part of the panel: it only takes the keys.
    zgput_ = new KeyLineEdit(this);
    zgput_->setObjectName(QStringLiteral("zgput"));
    zgput_->setFont(fonts::song(15));
    zgput_->setGeometry(80, 600, 30, 30);
    zgput_->setLatinOnly(true);
    zgput_->setAccessibleName(QStringLiteral("字根输入"));
    zgput_->onKeyDown = [this](QKeyEvent* e) { zgputKeyDown(e); };
    zgput_->onKeyPress = [this](QKeyEvent* e, int ch) { return zgputKeyPress(e, ch); };
    zgput_->onKeyUp = [this](QKeyEvent* e) { zgputKeyUp(e); };
    // Only the keys count: what an input method commits anyway is taken back.
    zgput_->onCommit = [this] { zgput_->setText(bytes::toUnicode(drill_.pendingText())); };

    zgexit_ = new QPushButton(QStringLiteral("退出"), this);
    zgexit_->setObjectName(QStringLiteral("zgexit"));
    zgexit_->setFont(fonts::song(13));
    zgexit_->setGeometry(530, 160, 90, 40);
    zgexit_->setFlat(true);
    zgexit_->setCursor(Qt::PointingHandCursor);
    // A flat button never takes the focus from the input box.
    zgexit_->setFocusPolicy(Qt::NoFocus);
    zgexit_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Q));
    connect(zgexit_, &QPushButton::clicked, this, &RadicalPanel::zgexitClick);
    host_.registerHint(zgexit_, QStringLiteral("退出练习并查看成绩..."));

    zgbiao_ = new KeyChartView(host.state().radicalTable, this);
    zgbiao_->move(32, 206);
}

void RadicalPanel::m1aClick() { startDrill({}, {}); }

void RadicalPanel::startWeakDrill(std::vector<int> entries) { startDrill(std::move(entries), bytes::gb("薄弱字根练习")); }

void RadicalPanel::startDrill(std::vector<int> entries, const ByteText& lessonTitle) {
    MainWindowState& s = host_.state();
    host_.collapseToolBar();
    zgtimerctr_->start();
    if (s.settings.chineseMusic)
        host_.sound().music();
    else
        host_.sound().nomusic();
    host_.sound().keySoundAhead(true);  // its keys click
    // The program folder and the table are known only once the window is built.
    zgbiao_->setTable(s.radicalTable);
    if (zgexit_->icon().isNull()) zgexit_->setIcon(icons::forControl(zgexit_->objectName(), s.appDir));
    drill_.begin(host_.clock().timeOfDay(), std::move(entries), lessonTitle);
    zgput_->clear();
    show();
    raise();
    zgzuang1_.setText(bytes::toUnicode(s.modeTitle));
    zgzuang2_.setText(bytes::toUnicode(s.lessonTitle));
    showDrill();
    zgput_->setFocus();
}

void RadicalPanel::zgshow() {
    drill_.zgshow();
    showDrill();
}

void RadicalPanel::showDrill() {
    zgtext1_->setBytes(drill_.row());
    zgtext2_->setBytes(drill_.row());
    zgxsh1_->setBytes(drill_.markLine());
    zgxsh2_->setBytes(drill_.markLine());
    kjxsh_.setText(bytes::toUnicode(drill_.hint()));
    a11y::announce(zgput_, kjxsh_.text());
}

radicals::RadicalDrill::KeyId RadicalPanel::keyId(const QKeyEvent* e) {
    // The scan code names the physical key, whatever Shift makes of its symbol; events
    // without one (synthesised) fall back to the key code.
    if (e->nativeScanCode() != 0) return static_cast<long long>(e->nativeScanCode());
    return (1LL << 32) | static_cast<unsigned>(e->key());
}

void RadicalPanel::zgputKeyDown(QKeyEvent* e) {
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
    zgput_->setText(bytes::toUnicode(drill_.pendingText()));
}

bool RadicalPanel::zgputKeyPress(QKeyEvent* e, int ch) {
    // The box shows only what the keys held down typed; a repeat adds nothing.
    if (e->isAutoRepeat() || swallowPress_) return false;
    host_.sound().playKeySound();
    if (ch == 27) endRadicalDrill();
    return false;
}

void RadicalPanel::zgputKeyUp(QKeyEvent* e) {
    if (e->isAutoRepeat() || !drill_.running()) return;
    releases_->released(keyId(e), e);
}

void RadicalPanel::judgeRelease(radicals::RadicalDrill::KeyId id) {
    if (!drill_.running()) return;
    drill_.keyUp(id);
    zgput_->setText(bytes::toUnicode(drill_.pendingText()));
    showDrill();
}

void RadicalPanel::zgtimerctrTimer() {
    if (!drill_.running()) return;
    const bool limit = drill_.tick(host_.clock().timeOfDay());
    zgtime_.setText(bytes::toUnicode(drill_.clock()));
    if (limit) endRadicalDrill();
}

void RadicalPanel::zgexitClick() { endRadicalDrill(); }

void RadicalPanel::endRadicalDrill() {
    if (!drill_.running()) return;
    // A key released just before the end still counts.
    releases_->settleNow();
    zgtimerctr_->stop();
    hide();
    host_.setToolBarEnabled(true);
    drill_.finish();
    zgput_->clear();
    host_.openReport();
}
