#pragma once
// The welcome of a first start: where to begin, the fingers on the home row, the input
// method, where results are kept. Shown once per user by itself, later from the tool bar.
#include <QDialog>
#include <QString>
#include <QWidget>

namespace welcome {

// $XDG_CONFIG_HOME/jaxo/welcome: there once the welcome has opened by itself.
QString markerFile();
// Whether it opens by itself at this start: not yet seen, and not turned off with
// JAXO_NO_WELCOME (test runs that drive the main window).
bool offerAtStart();
// Remembers that it was seen, written whole; false with a message when it cannot be.
bool markSeen(QString* message);

}  // namespace welcome

// The keyboard's letter rows with the home row marked finger by finger, each home key
// named with its finger, so that colour is not the only sign.
class HomeRowPicture : public QWidget {
    Q_OBJECT
public:
    explicit HomeRowPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
};

class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    explicit WelcomeDialog(QWidget* parent = nullptr);

signals:
    // The learner asked for the help pages.
    void helpWanted();
};
