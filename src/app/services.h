#pragma once
// The real platform services of the program.
#include "common/platform.h"

#include <QElapsedTimer>
#include <QStringList>
#include <memory>

class QMessageBox;
class QWidget;

// The error display's box: caption "Jaxo4.00", error icon, "确定". Long texts wrap at
// blanks and after "/" (a run wider than the box anywhere), without a character added.
std::unique_ptr<QMessageBox> errorBox(const QString& text, QWidget* parent = nullptr);
// The lines of an error box's text as they are shown.
QStringList errorBoxLines(const QMessageBox& box);

// The monotonic clock, counted from the program's start.
class SystemClock : public Clock {
public:
    SystemClock() { timer_.start(); }
    std::int64_t msecs() override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

class BoxMessages : public Messages {
public:
    void showError(const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    void beep() override;
};

class DesktopShell : public Shell {
public:
    bool openDocument(const QString& path) override;
};
