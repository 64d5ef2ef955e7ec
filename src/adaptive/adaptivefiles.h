#pragma once
// Where the adaptive drills keep what they know: the learner's targets and the live
// keyboard switch in $XDG_CONFIG_HOME/jaxo/adaptive, each drill's model in
// $XDG_DATA_HOME/jaxo/adaptive-<drill>. Both are plain text, written whole or not at all.
#include "adaptive/keymodel.h"

#include <QString>

namespace adaptive {

struct Preferences {
    Targets targets;
    // Characters a minute for the Chinese drill: a character takes several keys.
    int chineseSpeed = 60;
    bool liveKeyboard = true;
    bool operator==(const Preferences&) const = default;
};

// The bounds a target is held to, whatever a file says.
inline constexpr int kMinSpeed = 20, kMaxSpeed = 600;
inline constexpr int kMinAccuracy = 50, kMaxAccuracy = 100;

// The defaults where the file is missing; a line that does not parse keeps its default.
Preferences parsePreferences(const QByteArray& text);
QByteArray formatPreferences(const Preferences& p);

QString preferencesPath();
Preferences loadPreferences();
bool savePreferences(const Preferences& p, QString* error);

QString modelPath(const QString& drill);
// A missing or unreadable file leaves the model as it was.
void loadModel(Model& model, const QString& drill);
bool saveModel(const Model& model, const QString& drill, QString* error);

}  // namespace adaptive
