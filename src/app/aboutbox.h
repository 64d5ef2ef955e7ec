#pragma once
#include <QDialog>

class QLabel;
class QFrame;
class MainWindow;

// The About box: built new at every showing, closed by its button, Enter, the close
// box or a click on its panel or free area.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(MainWindow& form, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setWelcomeColour(const QColor& c);
    QFrame* frame_ = nullptr;
    QLabel* welcome_ = nullptr;
};
