#pragma once
#include "app/labelpair.h"
#include "report/scorereport.h"

#include <QDialog>

class ExerciseHost;
class TForm1;

// The score report: computed once when it is built, from what the ending exercise
// left in the main window's state. Closing it in any way gives the main screen back.
class Tcjreport : public QDialog {
    Q_OBJECT
public:
    Tcjreport(TForm1& form, QWidget* parent = nullptr);

    void exitClick();
    // The figures it shows.
    const ScoreReport& score() const { return score_; }

private:
    void FormClose();
    TForm1& form_;
    LabelPair pig_[6];
    ScoreReport score_;
    bool closed_ = false;
};
