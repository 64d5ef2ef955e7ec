#include "app/splash.h"

#include "widgets/pictures.h"

#include <QLabel>

Splash::Splash(const QString& picturePath, QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("loge"));
    setWindowTitle(QStringLiteral("loge"));
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(pictures::once(picturePath));  // gone with the splash
    image->setGeometry(0, 0, 416, 262);
    image->setScaledContents(true);
    setGeometry(210, 120, 415, 263);
}
