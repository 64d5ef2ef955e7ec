#pragma once
// The settings panel: the three time limits and the eight switches on three pages,
// with "预设" (defaults), "确定" (save) and "取消" (cancel). Its controls follow the
// settings table, one for each field.
#include "settings/livesettings.h"

#include <QFrame>
#include <string>
#include <vector>

class QCheckBox;
class QKeyEvent;
class QTabWidget;
class KeyLineEdit;
class PanelHost;
class LineStore;
class LanguageBox;
class SchemePage;

class SettingsPanel : public QFrame {
    Q_OBJECT
public:
    // inEffect: the settings the program runs with, replaced when the panel is confirmed;
    // settingsLines holds the lines of the settings file as they are written and read
    // back; appDir holds the shipped default.
    SettingsPanel(PanelHost& form, LiveSettings& inEffect, LineStore& settingsLines, std::string appDir, QWidget* parent);

    // Opens the panel with the settings in effect; the tool bar is disabled meanwhile.
    void open();
    // "预设": the defaults into the controls; nothing is saved.
    void fillDefaults();
    // "确定": writes the file, reads it back into the settings in effect, then
    // confirms them there.
    void confirm();
    // "取消": closes without a change.
    void cancel();
    // The filter of the minute edits: false drops the character (with a beep).
    bool acceptsDigit(QKeyEvent* e, int ch);

signals:
    // "确定" kept another input scheme (its id).
    void schemeChosen(const QString& id);

private:
    // The control of one field: an edit for minutes, a check box for a switch.
    struct Control {
        const settings::Field* field = nullptr;
        KeyLineEdit* edit = nullptr;
        QCheckBox* box = nullptr;
    };

    void showValues(const Settings& value);
    // Refuses "确定" for a time edit that could not be read back.
    void refuse(const Control& c);

    PanelHost& form_;
    LiveSettings& inEffect_;
    LineStore& settingsLines_;
    const std::string appDir_;
    QTabWidget* pages_ = nullptr;
    LanguageBox* language_ = nullptr;
    SchemePage* schemePage_ = nullptr;
    std::vector<Control> controls_;
};
