#pragma once
#include "widgets/labelpair.h"
#include "radicals/radicaldrill.h"

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
    QTimer* timer() const { return timer_; }
    const radicals::RadicalDrill& drill() const { return drill_; }

    void startFullDrill();
    // The drill over the given table entries only (the radicals missed most).
    void startWeakDrill(std::vector<int> entries);
    void nextRow();
    void onTimer();
    void exitDrill();

private:
    void startDrill(std::vector<int> entries, const ByteText& lessonTitle);
    void inputKeyDown(QKeyEvent* e);
    bool inputKeyPress(QKeyEvent* e, int ch);
    void inputKeyUp(QKeyEvent* e);
    void judgeRelease(radicals::RadicalDrill::KeyId id);
    void endRadicalDrill();
    void showDrill();
    static radicals::RadicalDrill::KeyId keyId(const QKeyEvent* e);

    ExerciseHost& host_;
    radicals::RadicalDrill drill_;
    QTimer* timer_ = nullptr;
    ByteGridLabel* radicalRow1_ = nullptr;
    ByteGridLabel* radicalRow2_ = nullptr;
    ByteGridLabel* markRow1_ = nullptr;
    ByteGridLabel* markRow2_ = nullptr;
    LabelPair keyHint_;
    LabelPair clockCaption_;
    LabelPair modeCaption_;
    LabelPair lessonCaption_;
    KeyLineEdit* input_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    KeyChartView* keyChart_ = nullptr;

    ReleaseSettler* releases_ = nullptr;
    bool swallowPress_ = false;  // the key-down just seen was a repeat
};
