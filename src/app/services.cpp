#include "app/services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTime>
#include <QUrl>

double SystemClock::timeOfDay() { return QTime::currentTime().msecsSinceStartOfDay() / 86400000.0; }

namespace {
// A long run without blanks (a garbled settings line) may break anywhere, or the box
// would grow wider than the screen.
QString breakable(const QString& text) {
    QString out;
    int run = 0;
    for (const QChar c : text) {
        out += c;
        run = c.isSpace() ? 0 : run + 1;
        if (run >= 40) {
            out += QChar(0x200B);
            run = 0;
        }
    }
    return out;
}
}  // namespace

void BoxMessages::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Jaxo4.00"), breakable(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

bool BoxMessages::askYesNo(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No);
    // The buttons as a Chinese desktop names them.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    // Enter pressed by habit keeps what is going on.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void BoxMessages::beep() { QApplication::beep(); }

bool DesktopShell::openDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
