#pragma once
#include "widgets/labelpair.h"
#include "report/scorereport.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QSet>

class ExerciseHost;
struct ExerciseScore;

// The score report: computed once when it is built, from the score the ending exercise
// left. Closing it in any way gives the main screen back.
// Keys still coming from the exercise's last moments never close it: it takes keys
// only once the keyboard has been quiet for a moment.
class ReportDialog : public QDialog {
    Q_OBJECT
public:
    // The figures as a screen reader is told them when the report comes up.
    const QString& figures() const { return figures_; }
    ReportDialog(ExerciseHost& form, const ExerciseScore& s, QWidget* parent = nullptr);
    ~ReportDialog() override;

    void closeReport();
    // The figures it shows.
    const ScoreReport& score() const { return score_; }

    // How long the keyboard must be quiet before a key counts.
    static constexpr int kQuietMs = 1000;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recordAndClose();
    ExerciseHost& host_;
    QWidget* closeButton_ = nullptr;
    LabelPair figureCaptions_[7];
    ScoreReport score_;
    QString figures_;  // the figures as a reader is told them
    bool closed_ = false;
    QElapsedTimer quiet_;    // since it opened, or since the last key it ignored
    QSet<int> ignoredDown_;  // keys whose press it ignored: their release is ignored too
};
