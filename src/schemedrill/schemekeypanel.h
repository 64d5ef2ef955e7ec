#pragma once
// The key drill of an input scheme: a row of the scheme's symbols, each typed by its
// keys, right and wrong marked under it, the hint of the symbol to type and the scheme's
// key chart in view.
#include "exercise/exercisecaptions.h"
#include "exercise/exerciserun.h"
#include "chinese/codebook.h"
#include "schemedrill/schemekeydrill.h"

#include <QFrame>
#include <memory>

class ExerciseHost;
class KeyLineEdit;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;
class SchemeChartView;

class SchemeKeyPanel : public QFrame {
    Q_OBJECT
public:
    SchemeKeyPanel(ExerciseHost& host, QWidget* parent);
    ~SchemeKeyPanel() override;
    QTimer* timer() const { return run_.timer(); }
    ExerciseScore& score() { return run_.score(); }
    const schemedrill::SchemeKeyDrill& drill() const { return drill_; }

    // The drill of the kind's scheme (schemedrill::drillScheme), or Wubi's radicals or
    // codes in rows their adaptive model picks.
    void start(const ExerciseKind& kind);
    void onTimer();
    void exitDrill();

private:
    bool inputKeyPress(QKeyEvent* e, int ch);
    void showDrill();
    // For a screen reader: the symbol to type and its keys, after a mistake "错" first.
    void saySymbol(bool wrong);
    // The adaptive drills' line: the item in focus, its figures, how many are in play.
    void showStatus();
    const CodeBook& wubiBook();

    ExerciseHost& host_;
    ExerciseRun run_;
    schemedrill::SchemeKeyDrill drill_;
    QLabel* row_ = nullptr;
    QLabel* hint_ = nullptr;
    KeyLineEdit* input_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    SchemeChartView* chart_ = nullptr;
    QLabel* status_ = nullptr;
    std::unique_ptr<schemedrill::AdaptiveKeys> adaptive_;
    QString modelName_;
    QString news_;  // an item that has just entered, said with the next symbol
    CodeBook ownWubiBook_;  // read when another scheme is chosen
};
