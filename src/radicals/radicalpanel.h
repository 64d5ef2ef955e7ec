#pragma once
#include <QFrame>

class ExerciseHost;
class QTimer;

// The radical drill: rows of 25 radicals, one key per radical, the key chart in view.
class RadicalPanel : public QFrame {
    Q_OBJECT
public:
    RadicalPanel(ExerciseHost& host, QWidget* parent);
    QTimer* timer() const { return zgtimerctr_; }
    void m1aClick();

private:
    ExerciseHost& host_;
    QTimer* zgtimerctr_ = nullptr;
};
