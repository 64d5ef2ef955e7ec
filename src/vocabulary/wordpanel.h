#pragma once
#include "common/bytetext.h"

#include <QFrame>

class ExerciseHost;
class QTimer;

// The vocabulary drill: one entry at a time, typed and judged on Enter.
class WordPanel : public QFrame {
    Q_OBJECT
public:
    WordPanel(ExerciseHost& host, QWidget* parent);
    QTimer* timer() const { return bdcTimer1_; }
    void startWordDrill(const std::string& fileName, const ByteText& title);

private:
    ExerciseHost& host_;
    QTimer* bdcTimer1_ = nullptr;
};
