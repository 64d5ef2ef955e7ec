#pragma once
// The real platform services of the program.
#include "common/platform.h"

class SystemClock : public Clock {
public:
    double timeOfDay() override;
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
