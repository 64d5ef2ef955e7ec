#include "adaptive/chinesecoach.h"

#include "common/errors.h"
#include "common/platform.h"
#include "common/randomsource.h"
#include "exercise/exercisehost.h"
#include "exercise/exercisekinds.h"
#include "widgets/access.h"
#include "widgets/fonts.h"

#include <QCoreApplication>
#include <QLabel>

namespace {
// Enough for several pages: the page goes round to the start after the last.
constexpr int kLessonCharacters = 660;
const QString kModelName = QStringLiteral("chinese-wubi");

QString uni(const ByteText& t) { return bytes::toUnicode(t); }
}  // namespace

ChineseCoach::ChineseCoach(ExerciseHost& host, QWidget* panel, const QRect& statusArea) : QObject(panel), host_(host) {
    status_ = new QLabel(panel);
    status_->setObjectName(QStringLiteral("adaptiveChineseStatus"));
    status_->setFont(fonts::song(11));
    status_->setGeometry(statusArea);
    status_->setWordWrap(true);
    status_->hide();
}

ChineseCoach::~ChineseCoach() = default;

bool ChineseCoach::begin(const ExerciseKind& kind, ByteText& lesson) {
    adaptive_ = kind.id == ExerciseId::ChineseAdaptive;
    status_->setVisible(adaptive_);
    if (!adaptive_) return false;
    // Made afresh: another copy of the program may have practised meanwhile.
    drill_ = std::make_unique<adaptive::ChineseDrill>(adaptive::wubiSource(host_.appDirectory()));
    if (drill_->model().size() == 0) {
        adaptive_ = false;
        status_->hide();
        host_.showError(JaxoError(QCoreApplication::translate("ChineseCoach", "智能练习找不到高频字表：%1")
                                      .arg(QString::fromStdString(host_.appDirectory() + "/gpz.jxo"))));
        return false;
    }
    adaptive::loadModel(drill_->model(), kModelName);
    const adaptive::Preferences p = adaptive::loadPreferences();
    drill_->targets() = {p.chineseSpeed, p.targets.accuracyPercent};
    lesson = drill_->lesson(kLessonCharacters, host_.random());
    drill_->lineStarted();
    showStatus();
    return true;
}

void ChineseCoach::changed(const QString& reference, const QString& before, const QString& after) {
    if (!adaptive_ || after.size() <= before.size() || !after.startsWith(before)) return;
    std::vector<ByteText> expected, typed;
    for (qsizetype i = before.size(); i < after.size() && i < reference.size(); ++i) {
        expected.push_back(bytes::fromUnicode(reference.mid(i, 1)));
        typed.push_back(bytes::fromUnicode(after.mid(i, 1)));
    }
    drill_->committed(expected, typed, host_.clock().msecs());
}

void ChineseCoach::lineStarted() {
    if (adaptive_) drill_->lineStarted();
}

void ChineseCoach::showStatus() {
    const adaptive::Model& m = drill_->model();
    const int reached = m.reachedCount(drill_->targets());
    const ByteText& focus = drill_->focus();
    const adaptive::ItemStats& f = m.stats(m.indexOf(focus));
    const QString figures = f.timed ? tr("%1 字/分，正确率 %2%").arg(qRound(f.charsPerMinute())).arg(f.accuracyPercent())
                                    : tr("还没有成绩");
    QString text = tr("重点字「%1」：%2　已学 %3/%4 字，达标 %5　目标 %6 字/分、%7%")
                       .arg(uni(focus), figures)
                       .arg(m.inPlay())
                       .arg(m.size())
                       .arg(reached)
                       .arg(drill_->targets().charsPerMinute)
                       .arg(drill_->targets().accuracyPercent);
    if (drill_->takeUnlocked()) {
        const QString news = tr("新字「%1」加入练习").arg(uni(focus));
        a11y::announce(status_, news);
        text = news + QStringLiteral("　") + text;
    }
    status_->setText(text);
    status_->setAccessibleName(text);
}

void ChineseCoach::end() {
    if (!adaptive_) return;
    status_->hide();
    QString error;
    if (!adaptive::saveModel(drill_->model(), kModelName, &error)) host_.showError(JaxoError(error));
}
