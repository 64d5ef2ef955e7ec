#pragma once
#include "widgets/labelpair.h"
#include "report/scorereport.h"

#include <QDialog>

class ExerciseHost;

// The score report: computed once when it is built, from what the ending exercise
// left in the host's state. Closing it in any way gives the main screen back.
class ReportDialog : public QDialog {
    Q_OBJECT
public:
    ReportDialog(ExerciseHost& form, QWidget* parent = nullptr);

    void closeReport();
    // The figures it shows.
    const ScoreReport& score() const { return score_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void recordAndClose();
    ExerciseHost& host_;
    QWidget* closeButton_ = nullptr;
    LabelPair figureCaptions_[6];
    ScoreReport score_;
    bool closed_ = false;
};
