#include "common/atomicwrite.h"

#include "common/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace atomicwrite {

bool write(const QString& path, QByteArrayView data, QString* error, const Options& options) {
    // No cancelWriting(): it only marks the file failed, and nothing commits after a failure.
    auto fail = [&] {
        if (error) *error = errors::cannotCreate(path.toStdString());
        return false;
    };
    QSaveFile f(path);
    f.setDirectWriteFallback(options.directWriteFallback);
    // Unbuffered: a buffered save file can report a commit as done although the last
    // flush found the disk full, and the old file is then replaced by a short one.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail();
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 n = f.write(data.data() + done, data.size() - done);
        if (n <= 0) return fail();
        done += n;
    }
    if (!f.flush() || f.error() != QFileDevice::NoError) return fail();
    std::optional<QFileDevice::Permissions> permissions = options.permissions;
    if (!permissions && !QFileInfo::exists(path)) permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (permissions && !f.setPermissions(*permissions)) return fail();
    if (!f.commit()) return fail();
    return true;
}

bool makeFolder(const QString& folder, QString* error) {
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    if (QFileInfo(clean).isDir()) return true;
    const QString parent = QFileInfo(clean).path();
    if (parent != clean && !makeFolder(parent, error)) return false;
    if (::mkdir(QFile::encodeName(clean).constData(), 0700) == 0 || (errno == EEXIST && QFileInfo(clean).isDir()))
        return true;
    if (error) *error = QCoreApplication::translate("AtomicWrite", "%1：%2").arg(clean, QString::fromLocal8Bit(strerror(errno)));
    return false;
}

}  // namespace atomicwrite
