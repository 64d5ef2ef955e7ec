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
    QTimer* timer() const { return zgtimerctr_; }
    const radicals::RadicalDrill& drill() const { return drill_; }

    void m1aClick();
    // The drill over the given table entries only (the radicals missed most).
    void startWeakDrill(std::vector<int> entries);
    void zgshow();
    void zgtimerctrTimer();
    void zgexitClick();

private:
    void startDrill(std::vector<int> entries, const ByteText& lessonTitle);
    void zgputKeyDown(QKeyEvent* e);
    bool zgputKeyPress(QKeyEvent* e, int ch);
    void zgputKeyUp(QKeyEvent* e);
    void judgeRelease(radicals::RadicalDrill::KeyId id);
    void endRadicalDrill();
    void showDrill();
    static radicals::RadicalDrill::KeyId keyId(const QKeyEvent* e);

    ExerciseHost& host_;
    radicals::RadicalDrill drill_;
    QTimer* zgtimerctr_ = nullptr;
    ByteGridLabel* zgtext1_ = nullptr;
    ByteGridLabel* zgtext2_ = nullptr;
    ByteGridLabel* zgxsh1_ = nullptr;
    ByteGridLabel* zgxsh2_ = nullptr;
    LabelPair kjxsh_;
    LabelPair zgtime_;
    LabelPair zgzuang1_;
    LabelPair zgzuang2_;
    KeyLineEdit* zgput_ = nullptr;
    QPushButton* zgexit_ = nullptr;
    KeyChartView* zgbiao_ = nullptr;

    ReleaseSettler* releases_ = nullptr;
    bool swallowPress_ = false;  // the key-down just seen was a repeat
};
