#pragma once
#include "widgets/labelpair.h"
#include "common/bytetext.h"
#include "vocabulary/worddrill.h"
#include "exercise/exerciserun.h"

#include <QFrame>

class ExerciseHost;
class KeyLineEdit;
class QKeyEvent;
class QLabel;
class QTimer;
class ReleaseSettler;
class QToolButton;

// The vocabulary drill: one entry at a time, typed and judged on Enter.
class WordPanel : public QFrame {
    Q_OBJECT
public:
    WordPanel(ExerciseHost& host, QWidget* parent);
    QTimer* timer() const { return run_.timer(); }
    ExerciseScore& score() { return run_.score(); }
    const WordDrill& drill() const { return drill_; }

    // One of the nine word lists, or a list the program made (`generated`).
    void start(const ExerciseKind& kind, const ByteText* generated = nullptr, const ByteText* title = nullptr);
    void onTimer();
    void exitDrill();
    void endWordDrill();

private:
    void inputKeyDown(QKeyEvent* e);
    bool inputKeyPress(int ch);
    void inputKeyUp(QKeyEvent* e);
    void answer();
    void showEntry(bool announce = false);
    void showMark();
    void loadPictures();

    ExerciseHost& host_;
    ExerciseRun run_;
    WordDrill drill_;
    QLabel* wordLabel_ = nullptr;
    KeyLineEdit* input_ = nullptr;
    QLabel* markLabel_ = nullptr;
    QLabel* meaningLabel_ = nullptr;
    QToolButton* exitButton_ = nullptr;
    QLabel* background_ = nullptr;
    QLabel* picture_ = nullptr;
    bool picturesLoaded_ = false;
    // Set when Enter went down in the answer line: only then does its release answer,
    // so the release of an Enter that chose the list from a menu is not an answer.
    bool enterDown_ = false;
    // A held Enter answers once, when it is let go for good.
    ReleaseSettler* releases_ = nullptr;
};
