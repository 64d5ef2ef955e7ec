#pragma once
#include "widgets/labelpair.h"
#include "radicals/radicaldrill.h"
#include "exercise/exerciserun.h"

#include <QFrame>

class ExerciseHost;
class ByteGridLabel;
class KeyChartView;
class KeyLineEdit;
class QKeyEvent;
class QPushButton;
class QTimer;
class ReleaseSettler;

// The radical drill: rows of 25 radicals, one key per radical, the key chart in view.
class RadicalPanel : public QFrame {
    Q_OBJECT
public:
    RadicalPanel(ExerciseHost& host, QWidget* parent);
    QTimer* timer() const { return run_.timer(); }
    ExerciseScore& score() { return run_.score(); }
    const radicals::RadicalDrill& drill() const { return drill_; }

    // The radical drill; with entries (table places), over those radicals only (the
    // radicals missed most).
    void start(const ExerciseKind& kind, std::vector<int> entries = {});
    void onTimer();
    void exitDrill();

private:
    void inputKeyDown(QKeyEvent* e);
    bool inputKeyPress(QKeyEvent* e, int ch);
    void inputKeyUp(QKeyEvent* e);
    void judgeRelease(radicals::RadicalDrill::KeyId id);
    void endRadicalDrill();
    void showDrill();
    // For a screen reader: the radical to type and its key, after a mistake "错" first.
    void sayRadical(bool wrong);
    static radicals::RadicalDrill::KeyId keyId(const QKeyEvent* e);

    ExerciseHost& host_;
    ExerciseRun run_;
    radicals::RadicalDrill drill_;
    ByteGridLabel* radicalRow1_ = nullptr;
    ByteGridLabel* radicalRow2_ = nullptr;
    ByteGridLabel* markRow1_ = nullptr;
    ByteGridLabel* markRow2_ = nullptr;
    LabelPair keyHint_;
    KeyLineEdit* input_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    KeyChartView* keyChart_ = nullptr;

    ReleaseSettler* releases_ = nullptr;
    bool swallowPress_ = false;  // the key-down just seen was a repeat
};
