#pragma once
#include "widgets/labelpair.h"
#include "report/scorereport.h"

#include <QDialog>

class ExerciseHost;

// The score report: computed once when it is built, from what the ending exercise
// left in the host's state. Closing it in any way gives the main screen back.
class Tcjreport : public QDialog {
    Q_OBJECT
public:
    Tcjreport(ExerciseHost& form, QWidget* parent = nullptr);

    void exitClick();
    // The figures it shows.
    const ScoreReport& score() const { return score_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormClose();
    ExerciseHost& form_;
    QWidget* exit_ = nullptr;
    LabelPair pig_[6];
    ScoreReport score_;
    bool closed_ = false;
};
