#pragma once
#include <QWidget>

// The splash: a borderless picture shown while the main window is built.
class Tloge : public QWidget {
    Q_OBJECT
public:
    explicit Tloge(const QString& picturePath, QWidget* parent = nullptr);
};
