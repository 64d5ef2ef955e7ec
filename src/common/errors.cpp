#include "common/errors.h"

namespace errors {
QString cannotOpen(const std::string& path) { return QStringLiteral("Cannot open file %1").arg(QString::fromStdString(path)); }
QString cannotCreate(const std::string& path) { return QStringLiteral("Cannot create file %1").arg(QString::fromStdString(path)); }
QString damaged(const std::string& path, long long offset) {
    return QStringLiteral("File %1 is damaged: the byte at offset %2 is not GB18030 text")
        .arg(QString::fromStdString(path))
        .arg(offset);
}
QString damagedText(const std::string& path, const QString& why) {
    return QStringLiteral("File %1 is damaged: %2").arg(QString::fromStdString(path), why);
}
QString notAnInteger(const QString& text) { return QStringLiteral("'%1' is not a valid integer value").arg(text); }
QString displayText(const QString& text) {
    if (!text.isEmpty() && text.back() > QLatin1Char('.')) return text + QLatin1Char('.');
    return text;
}
}  // namespace errors
