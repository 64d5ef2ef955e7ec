#include "adaptive/englishcoach.h"

#include "adaptive/keyboardview.h"
#include "common/errors.h"
#include "common/platform.h"
#include "exercise/exercisehost.h"
#include "exercise/exercisekinds.h"
#include "common/randomsource.h"
#include "widgets/access.h"
#include "widgets/fonts.h"

#include <QLabel>

EnglishCoach::EnglishCoach(ExerciseHost& host, QWidget* panel, QLabel* picture)
    : QObject(panel), host_(host), picture_(picture) {
    keyboard_ = new KeyboardView(panel);
    keyboard_->setGeometry(picture->geometry());
    keyboard_->hide();
    status_ = new QLabel(panel);
    status_->setObjectName(QStringLiteral("adaptiveStatus"));
    status_->setFont(fonts::song(11));
    status_->setGeometry(picture->x(), picture->y(), picture->width(), 24);
    status_->hide();
}

EnglishCoach::~EnglishCoach() = default;

std::function<ByteText()> EnglishCoach::begin(const ExerciseKind& kind, int lineBytes) {
    preferences_ = adaptive::loadPreferences();
    adaptive_ = kind.id == ExerciseId::EnglishAdaptive;
    if (adaptive_) {
        if (!drill_) {
            drill_ = std::make_unique<adaptive::EnglishDrill>();
            adaptive::addProgramWords(drill_->pool(), host_.appDirectory());
        }
        // Read afresh: another copy of the program may have practised meanwhile.
        drill_->model() = adaptive::englishModel();
        adaptive::loadModel(drill_->model(), QStringLiteral("english"));
        drill_->targets() = preferences_.targets;
        drill_->lineStarted();
    }
    const bool live = preferences_.liveKeyboard;
    const QRect area = picture_->geometry();
    keyboard_->setGeometry(adaptive_ ? area.adjusted(0, status_->height(), 0, 0) : area);
    keyboard_->setProgress({});
    keyboard_->setVisible(live);
    picture_->setVisible(!live);
    status_->setVisible(adaptive_);
    if (!adaptive_) return {};
    return [this, lineBytes] { return drill_->nextLine(lineBytes, host_.random()); };
}

void EnglishCoach::keyPressed(const ByteText& reference, int caret, int ch) {
    if (ch == 8) {
        if (drill_) drill_->correction();
        return;
    }
    if (ch < 32 || ch > 126 || caret < 0 || caret >= static_cast<int>(reference.size())) return;
    const char expected = reference[static_cast<size_t>(caret)];
    if (adaptive_) drill_->stroke(expected, static_cast<char>(ch), host_.clock().msecs());
    if (ch != static_cast<unsigned char>(expected)) keyboard_->flashWrong(static_cast<char>(ch));
}

void EnglishCoach::show(const ByteText& reference, int caret) {
    const bool inLine = caret >= 0 && caret < static_cast<int>(reference.size());
    keyboard_->setNextKey(inLine ? reference[static_cast<size_t>(caret)] : 0);
}

void EnglishCoach::lineStarted() {
    if (drill_) drill_->lineStarted();
}

void EnglishCoach::pageShown() {
    if (!adaptive_) return;
    const adaptive::Model& m = drill_->model();
    QHash<char, double> progress;
    int reached = 0;
    for (int i = 0; i < m.inPlay(); ++i) {
        const double p = m.progress(m.stats(i), drill_->targets());
        progress.insert(m.item(i).front(), p);
        if (p >= 1.0) ++reached;
    }
    keyboard_->setProgress(progress);
    const QString focus = QString(QLatin1Char(drill_->focus())).toUpper();
    const adaptive::ItemStats& f = m.stats(m.indexOf(std::string(1, drill_->focus())));
    const QString figures = f.timed ? tr("%1 字/分，正确率 %2%").arg(qRound(f.charsPerMinute())).arg(f.accuracyPercent())
                                    : tr("还没有成绩");
    QString text = tr("重点键 %1：%2　已学 %3/%4 键，达标 %5　目标 %6 字/分、%7%")
                       .arg(focus, figures)
                       .arg(m.inPlay())
                       .arg(m.size())
                       .arg(reached)
                       .arg(drill_->targets().charsPerMinute)
                       .arg(drill_->targets().accuracyPercent);
    if (drill_->takeUnlocked()) {
        const QString news = tr("新键 %1 加入练习").arg(focus);
        a11y::announce(status_, news);
        text = news + QStringLiteral("　") + text;
    }
    status_->setText(text);
    status_->setAccessibleName(text);
}

void EnglishCoach::end() {
    if (!adaptive_) return;
    QString error;
    if (!adaptive::saveModel(drill_->model(), QStringLiteral("english"), &error)) host_.showError(JaxoError(error));
}
