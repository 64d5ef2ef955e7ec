#include "common/atomicwrite.h"

#include "common/errors.h"

#include <QSaveFile>

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
    if (options.permissions && !f.setPermissions(*options.permissions)) return fail();
    if (!f.commit()) return fail();
    return true;
}

}  // namespace atomicwrite
