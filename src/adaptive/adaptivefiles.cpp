#include "adaptive/adaptivefiles.h"

#include "common/atomicwrite.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace adaptive {

namespace {
bool writeFile(const QString& path, const QByteArray& data, QString* error) {
    return atomicwrite::makeFolder(QFileInfo(path).absolutePath(), error) && atomicwrite::write(path, data, error);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    // The files are a few hundred bytes; anything far larger is not ours.
    if (!f.open(QIODevice::ReadOnly) || f.size() > 1 << 20) return {};
    return f.readAll();
}
}  // namespace

Preferences parsePreferences(const QByteArray& text) {
    Preferences p;
    for (const QByteArray& raw : text.split('\n')) {
        const QList<QByteArray> f = raw.simplified().split(' ');
        if (f.size() != 2) continue;
        bool ok = false;
        const int v = f[1].toInt(&ok);
        if (f[0] == "speed" && ok)
            p.targets.charsPerMinute = std::clamp(v, kMinSpeed, kMaxSpeed);
        else if (f[0] == "chinese-speed" && ok)
            p.chineseSpeed = std::clamp(v, kMinSpeed, kMaxSpeed);
        else if (f[0] == "accuracy" && ok)
            p.targets.accuracyPercent = std::clamp(v, kMinAccuracy, kMaxAccuracy);
        else if (f[0] == "keyboard" && (f[1] == "on" || f[1] == "off"))
            p.liveKeyboard = f[1] == "on";
    }
    return p;
}

QByteArray formatPreferences(const Preferences& p) {
    return "speed " + QByteArray::number(p.targets.charsPerMinute) + "\naccuracy " +
           QByteArray::number(p.targets.accuracyPercent) + "\nchinese-speed " +
           QByteArray::number(p.chineseSpeed) + "\nkeyboard " + (p.liveKeyboard ? "on" : "off") + "\n";
}

QString preferencesPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/jaxo/adaptive");
}

Preferences loadPreferences() { return parsePreferences(readFile(preferencesPath())); }

bool savePreferences(const Preferences& p, QString* error) {
    return writeFile(preferencesPath(), formatPreferences(p), error);
}

QString modelPath(const QString& drill) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/jaxo/adaptive-") + drill;
}

void loadModel(Model& model, const QString& drill) {
    const QByteArray text = readFile(modelPath(drill));
    model.load(std::string_view(text.constData(), static_cast<size_t>(text.size())));
}

bool saveModel(const Model& model, const QString& drill, QString* error) {
    return writeFile(modelPath(drill), QByteArray::fromStdString(model.save()), error);
}

}  // namespace adaptive
