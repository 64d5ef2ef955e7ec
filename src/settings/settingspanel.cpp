#include "settings/settingspanel.h"

#include "app/tform1.h"

SettingsPanel::SettingsPanel(TForm1& form, QWidget* parent) : QFrame(parent), form_(form) {
    setObjectName(QStringLiteral("system"));
}

void SettingsPanel::m5dClick() {}
