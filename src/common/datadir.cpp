#include "common/datadir.h"

#include <QDir>
#include <QFileInfo>

namespace datadir {

std::string locate(const QString& programDir, const QString& relativeData) {
    if (!relativeData.isEmpty()) {
        const QFileInfo installed(QDir(programDir).filePath(relativeData));
        if (installed.isDir()) return QDir::cleanPath(installed.absoluteFilePath()).toStdString();
    }
    return QDir::cleanPath(programDir).toStdString();
}

QString modules(const QString& programDir, const std::string& dataDir, const QString& relativeModules) {
    const bool installed = QDir(QString::fromStdString(dataDir)) != QDir(programDir);
    return installed ? QDir::cleanPath(QDir(programDir).filePath(relativeModules)) : programDir;
}

}  // namespace datadir
