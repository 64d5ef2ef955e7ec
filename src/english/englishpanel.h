#pragma once
#include "widgets/labelpair.h"
#include "common/bytetext.h"
#include "english/englishpractice.h"
#include "exercise/exerciserun.h"

#include <QFrame>
#include <array>

class EnglishCoach;
class ExerciseHost;
class ByteGridLabel;
class KeyLineEdit;
class QKeyEvent;
class QLabel;
class QTimer;
class QToolButton;

// The English exercise panel: three reference lines with their mark lines and input
// lines, the clock and the titles. The rules live in english::EnglishPractice; this
// panel shows them and passes the keys on.
class EnglishPanel : public QFrame {
    Q_OBJECT
public:
    EnglishPanel(ExerciseHost& host, QWidget* parent);
    QTimer* timer() const { return run_.timer(); }
    ExerciseScore& score() { return run_.score(); }
    // An English lesson (the English tests run on the Chinese page); generated: a text
    // the program made (the key review) or the learner's own text, started at its
    // beginning, with its name `title`, instead of the kind's file.
    void start(const ExerciseKind& kind, const ByteText* generated = nullptr, const ByteText* title = nullptr);

    // The next three lines of the lesson, as the page shows them.
    void showNextLines();
    void nextPage();
    void exitPractice();
    void onTimer();
    // The one ending of a practice, whether by "退出", Escape or the time limit.
    void endEnglishPractice();

    bool running() const { return running_; }
    const english::EnglishPractice& practice() const { return practice_; }
    const EnglishCoach& coach() const { return *coach_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void lineKeyUp(int line);
    void lineKeyDown(QKeyEvent* e);
    bool lineKeyPress(int line, int ch);
    void showNextKey();
    void showPage();
    void showMarks(int line);
    void takeInputOn(int line);
    void loadPictures();
    void dumpStateForTests() const;

    ExerciseHost& host_;
    ExerciseRun run_;
    english::EnglishPractice practice_;
    bool running_ = false;
    bool picturesLoaded_ = false;

    std::array<ByteGridLabel*, english::kPageLines> referenceLines_{};
    std::array<ByteGridLabel*, english::kPageLines> markLines_{};
    std::array<KeyLineEdit*, english::kPageLines> inputLines_{};
    QToolButton* nextButton_ = nullptr;
    QToolButton* exitButton_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* background_ = nullptr;
    EnglishCoach* coach_ = nullptr;
};
