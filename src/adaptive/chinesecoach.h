#pragma once
// What the Chinese page adds for the adaptive drill: its lesson made from the model,
// the characters committed passed to the model, the character in focus shown.
#include "adaptive/adaptivefiles.h"
#include "adaptive/chinesedrill.h"

#include <QObject>
#include <memory>

class ExerciseHost;
class QLabel;
class QWidget;
struct ExerciseKind;

class ChineseCoach : public QObject {
    Q_OBJECT
public:
    ChineseCoach(ExerciseHost& host, QWidget* panel, const QRect& statusArea);
    ~ChineseCoach() override;

    // At every start of the page: for the adaptive drill the model is read and a
    // lesson made (true, in `lesson`); for any other the status line goes.
    bool begin(const ExerciseKind& kind, ByteText& lesson);
    // Line `reference` held `before` and now holds `after` (text as shown).
    void changed(const QString& reference, const QString& before, const QString& after);
    void lineStarted();
    void end();

    bool adaptive() const { return adaptive_; }

private:
    void showStatus();

    ExerciseHost& host_;
    QLabel* status_ = nullptr;
    std::unique_ptr<adaptive::ChineseDrill> drill_;
    bool adaptive_ = false;
};
