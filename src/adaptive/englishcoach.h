#pragma once
// What the English page adds for the live keyboard and the adaptive drill: the
// keyboard in the place of the picture, the strokes passed to the drill's model, its
// lines, the key in focus and each key's progress shown above the keyboard.
#include "adaptive/adaptivefiles.h"
#include "adaptive/englishdrill.h"
#include "common/bytetext.h"

#include <QObject>
#include <functional>
#include <memory>

class ExerciseHost;
class KeyboardView;
class QLabel;
class QWidget;
struct ExerciseKind;

class EnglishCoach : public QObject {
    Q_OBJECT
public:
    // picture: the still keyboard the live one replaces while it is on.
    EnglishCoach(ExerciseHost& host, QWidget* panel, QLabel* picture);
    ~EnglishCoach() override;

    // At every start of the page: the preferences read afresh; for the adaptive drill
    // the model and the words are loaded, and the source of its lines of at most
    // lineBytes is returned (empty for any other exercise).
    std::function<ByteText()> begin(const ExerciseKind& kind, int lineBytes);
    // A character key in the line that takes input, with the caret before it.
    void keyPressed(const ByteText& reference, int caret, int ch);
    // The line that takes input and its caret after a change: the next key lights.
    void show(const ByteText& reference, int caret);
    // A new line takes input: the pause before its first key is not timed.
    void lineStarted();
    // A new page: the focus and the progress shown afresh.
    void pageShown();
    // The drill's model is kept for the next time.
    void end();

    bool adaptive() const { return adaptive_; }
    const adaptive::EnglishDrill* drill() const { return drill_.get(); }
    KeyboardView* keyboard() const { return keyboard_; }

private:
    ExerciseHost& host_;
    QLabel* picture_;
    KeyboardView* keyboard_ = nullptr;
    QLabel* status_ = nullptr;
    std::unique_ptr<adaptive::EnglishDrill> drill_;
    adaptive::Preferences preferences_;
    bool adaptive_ = false;
};
