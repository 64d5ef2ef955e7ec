#pragma once
#include <QWidget>

// The splash: a borderless picture shown while the main window is built.
class Splash : public QWidget {
    Q_OBJECT
public:
    explicit Splash(const QString& picturePath, QWidget* parent = nullptr);
};
