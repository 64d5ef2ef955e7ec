#include "app/services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTime>
#include <QUrl>

double SystemClock::timeOfDay() { return QTime::currentTime().msecsSinceStartOfDay() / 86400000.0; }

void BoxMessages::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Jaxo4.00"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void BoxMessages::showInfo(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool BoxMessages::askYesNo(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void BoxMessages::beep() { QApplication::beep(); }

bool DesktopShell::openDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
