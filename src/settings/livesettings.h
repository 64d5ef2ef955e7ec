#pragma once
// The settings in effect, and a signal when the settings panel confirms them: what
// follows a change (the main screen's music) listens here, not to the panel.
#include "settings/settings.h"

#include <QObject>

class LiveSettings : public QObject {
    Q_OBJECT
public:
    explicit LiveSettings(QObject* parent = nullptr) : QObject(parent) {}

    const Settings& value() const { return value_; }
    // Read from the file at start-up; the sound system reads through this reference.
    Settings& edit() { return value_; }
    // The panel's "确定", after the value was read back from the file, changed or not.
    void confirm() { emit changed(); }

signals:
    void changed();

private:
    Settings value_;
};
