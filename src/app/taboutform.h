#pragma once
#include <QDialog>

class QLabel;
class QFrame;
class TForm1;

// The About box: built new at every showing, closed by its button, Enter, the close
// box or a click on its panel or free area.
class Taboutform : public QDialog {
    Q_OBJECT
public:
    Taboutform(TForm1& form, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setEColor(const QColor& c);
    QFrame* Panel1_ = nullptr;
    QLabel* e_ = nullptr;
};
