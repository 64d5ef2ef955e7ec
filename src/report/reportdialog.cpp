#include "report/reportdialog.h"

#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "exercise/exercisehost.h"
#include "exercise/exercisekinds.h"
#include "report/scorereport.h"

#include "widgets/access.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

ReportDialog::ReportDialog(ExerciseHost& form, const ExerciseScore& s, QWidget* parent) : QDialog(parent), host_(form) {
    setObjectName(QStringLiteral("cjreport"));
    setWindowTitle(tr("成绩报告单："));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(fonts::song(12));
    // No position of its own: it opens centred over the main window.
    resize(520, 230);
    setMinimumSize(420, 210);

    score_ = computeScoreReport(s.rightCount, s.wrongCount, showsSpeed(s), s.elapsedText);
    const ScoreReport& r = score_;
    const QString texts[7] = {r.typed, r.right, r.wrong, r.time, r.speedText, r.rating, r.accuracy};
    for (int i = 0; i < 7; ++i) {
        const QString n = QStringLiteral("pig%1").arg(i + 1);
        // Without speed and rating, the accuracy comes up into the speed's row.
        const int row = i == 6 && !r.showSpeedAndRating ? 4 : i;
        figureCaptions_[i] = LabelPair(this, n, n + QLatin1Char('a'), fonts::song(11), QPoint(30, 15 + 25 * row));
        figureCaptions_[i].setText(texts[i]);
        // Tied to its shadow, a figure is no loose label that a screen reader reads
        // beside the description, which has every figure once.
        figureCaptions_[i].upper()->setBuddy(figureCaptions_[i].lower());
    }
    auto* xing = new QFrame(this);
    xing->setObjectName(QStringLiteral("xing"));
    xing->setFrameShape(QFrame::VLine);
    xing->setFrameShadow(QFrame::Sunken);
    xing->setGeometry(310, 0, 3, 205);
    LabelPair mode(this, QStringLiteral("zht1"), QStringLiteral("zht2"), fonts::kai(11), QPoint(330, 25));
    mode.setText(shownTitle(s.modeTitle));
    LabelPair lesson(this, QStringLiteral("zht3"), QStringLiteral("zht4"), fonts::kai(11), QPoint(380, 60));
    lesson.setText(shownTitle(s.lessonTitle));

    auto* exit = new QPushButton(icons::forControl(QStringLiteral("exit"), form.appDirectory()), tr("退出"), this);
    exit->setObjectName(QStringLiteral("exit"));
    exit->setFont(fonts::song(13));
    exit->setGeometry(390, 150, 100, 40);
    exit->setFlat(true);
    exit->setCursor(Qt::PointingHandCursor);
    form.registerHint(exit, tr("关闭成绩单，并返回主界面..."));
    connect(exit, &QPushButton::clicked, this, &ReportDialog::closeReport);
    // Enter closes the report, once the keys of the exercise have stopped.
    exit->setDefault(true);
    closeButton_ = exit;

    if (!r.showSpeedAndRating) {
        figureCaptions_[4].setVisible(false);
        figureCaptions_[5].setVisible(false);
    }
    QStringList figures;
    for (int i = 0; i < (r.showSpeedAndRating ? 6 : 4); ++i) figures << texts[i].trimmed();
    figures << r.accuracy;
    figures << shownTitle(s.modeTitle) + shownTitle(s.lessonTitle);
    // Said once, as the report comes up: as the dialog's description a reader would say
    // them again each time the dialog is shown and activated.
    figures_ = figures.join(tr("，"));
    connect(this, &QDialog::finished, this, &ReportDialog::recordAndClose);
    quiet_.start();
    qApp->installEventFilter(this);
}

ReportDialog::~ReportDialog() {
    if (qApp) qApp->removeEventFilter(this);
}

void ReportDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // A tool window is not made active by showing it: the keys must come here.
    activateWindow();
    closeButton_->setFocus(Qt::ActiveWindowFocusReason);
    quiet_.restart();
    // A screen reader is told the report is up and reads its figures.
    a11y::announce(this, QString());
    a11y::announce(this, figures_);
}

bool ReportDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) return false;
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this || !isVisible()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        // A key held down repeats as press and release; the release of a key it ignored
        // is ignored with it.
        return key->isAutoRepeat() || ignoredDown_.remove(key->key());
    }
    const bool early = quiet_.elapsed() < kQuietMs;
    // A key still held (repeating, or pressed while it ignored keys) counts only
    // when pressed afresh.
    if (early || key->isAutoRepeat() || ignoredDown_.contains(key->key())) {
        if (type == QEvent::KeyPress) {
            quiet_.restart();
            ignoredDown_.insert(key->key());
        }
        event->accept();
        return true;
    }
    return false;
}

void ReportDialog::closeReport() {
    host_.setToolBarEnabled(true);
    close();
}

void ReportDialog::recordAndClose() {
    if (closed_) return;
    closed_ = true;
    figureCaptions_[4].setVisible(true);
    figureCaptions_[5].setVisible(true);
    host_.restoreMainScreen();
}
