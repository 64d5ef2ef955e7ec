#pragma once
// The live keyboard: the key due next lit in its finger's colour, outlined and named
// with its finger beneath, the home keys marked, a wrong key flashed. Drawn to fit
// whatever size it is given.
#include <QColor>
#include <QHash>
#include <QWidget>

class QTimer;

class KeyboardView : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardView(QWidget* parent = nullptr);

    // The character due next (0: none); a capital or a shifted sign also lights Shift.
    void setNextKey(char c);
    // The key typed in the place of the one due: shown crossed out for a moment.
    void flashWrong(char typed);
    // For the adaptive drills: each letter's progress to the targets, 0 to 1; letters
    // not given are not in play yet and are drawn faint. Empty: every key alike.
    void setProgress(const QHash<char, double>& progress);

    // The finger that types a character, as the learner is told ("左手食指"); empty for
    // a character on no key of the chart.
    static QString fingerName(char c);
    // Shared with the Wubi key chart, so both keyboards speak and colour alike: the
    // colour of the finger that types c (invalid: no key), whether c is a home key,
    // and the caption and description naming c as the key due next (label: the key
    // as shown there; empty: c itself). Empty texts for a character on no key.
    static QColor keyColour(char c);
    static bool isHomeKey(char c);
    static QString nextKeyCaption(char c, const QString& label = {});
    static QString nextKeyDescription(char c, const QString& label = {});

    QSize sizeHint() const override { return {530, 200}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override { return w * 2 / 5; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void describe();

    char next_ = 0;
    char wrong_ = 0;
    QHash<char, double> progress_;
    QTimer* flash_ = nullptr;
};
