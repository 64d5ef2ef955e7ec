#include "report/reportdialog.h"

#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "exercise/exercisehost.h"
#include "report/scorereport.h"

#include <QFrame>
#include <QPushButton>

ReportDialog::ReportDialog(ExerciseHost& form, QWidget* parent) : QDialog(parent), host_(form) {
    setObjectName(QStringLiteral("cjreport"));
    setWindowTitle(QStringLiteral("成绩报告单："));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(fonts::song(12));
    // No position of its own: it opens centred over the main window.
    resize(520, 200);
    setMinimumSize(420, 180);

    const ExerciseScore& s = form.state();
    score_ = computeScoreReport(s.rightCount, s.wrongCount, showsSpeed(s), s.elapsedText);
    const ScoreReport& r = score_;
    const QString texts[6] = {r.typed, r.right, r.wrong, r.time, r.speedText, r.rating};
    for (int i = 0; i < 6; ++i) {
        const QString n = QStringLiteral("pig%1").arg(i + 1);
        figureCaptions_[i] = LabelPair(this, n, n + QLatin1Char('a'), fonts::song(11), QPoint(30, 15 + 25 * i));
        figureCaptions_[i].setText(texts[i]);
        // Tied to its shadow, a figure is no loose label that a screen reader reads
        // beside the description, which has every figure once.
        figureCaptions_[i].upper()->setBuddy(figureCaptions_[i].lower());
    }
    auto* xing = new QFrame(this);
    xing->setObjectName(QStringLiteral("xing"));
    xing->setFrameShape(QFrame::VLine);
    xing->setFrameShadow(QFrame::Sunken);
    xing->setGeometry(310, 0, 3, 175);
    LabelPair mode(this, QStringLiteral("zht1"), QStringLiteral("zht2"), fonts::kai(11), QPoint(330, 25));
    mode.setText(bytes::toUnicode(s.modeTitle));
    LabelPair lesson(this, QStringLiteral("zht3"), QStringLiteral("zht4"), fonts::kai(11), QPoint(380, 60));
    lesson.setText(bytes::toUnicode(s.lessonTitle));

    auto* exit = new QPushButton(icons::forControl(QStringLiteral("exit"), form.state().appDir), QStringLiteral("退出"), this);
    exit->setObjectName(QStringLiteral("exit"));
    exit->setFont(fonts::song(13));
    exit->setGeometry(390, 120, 100, 40);
    exit->setFlat(true);
    exit->setCursor(Qt::PointingHandCursor);
    form.registerHint(exit, QStringLiteral("关闭成绩单，并返回主界面..."));
    connect(exit, &QPushButton::clicked, this, &ReportDialog::closeReport);
    // Enter closes the report; a screen reader reads the figures as it opens.
    exit->setDefault(true);
    closeButton_ = exit;

    if (!r.showSpeedAndRating) {
        figureCaptions_[4].setVisible(false);
        figureCaptions_[5].setVisible(false);
    }
    QStringList figures;
    for (int i = 0; i < (r.showSpeedAndRating ? 6 : 4); ++i) figures << texts[i].trimmed();
    figures << bytes::toUnicode(s.modeTitle) + bytes::toUnicode(s.lessonTitle);
    setAccessibleDescription(figures.join(QStringLiteral("，")));
    connect(this, &QDialog::finished, this, &ReportDialog::recordAndClose);
}

void ReportDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // A tool window is not made active by showing it: the keys must come here.
    activateWindow();
    closeButton_->setFocus(Qt::ActiveWindowFocusReason);
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
