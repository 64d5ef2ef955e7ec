#include "scheme/schemefile.h"

#include "common/atomicwrite.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace scheme {

QString choiceFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/jaxo/scheme");
}

const Scheme& readChoice(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return wubi();
    // An id is short: a large file is no choice of ours.
    const QByteArray id = f.read(64).split('\n').value(0).trimmed();
    const Scheme* s = find(std::string_view(id.constData(), static_cast<size_t>(id.size())));
    return s ? *s : wubi();
}

bool writeChoice(const Scheme& s, QString* error, const QString& path) {
    if (!atomicwrite::makeFolder(QFileInfo(path).absolutePath(), error)) return false;
    const QByteArray line = QByteArray(s.id.data(), static_cast<qsizetype>(s.id.size())) + '\n';
    return atomicwrite::write(path, line, error);
}

}  // namespace scheme
