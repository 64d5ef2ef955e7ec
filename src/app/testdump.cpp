#include "app/testdump.h"

#include <QSaveFile>

namespace testdump {

namespace {
const QString& path() {
    static const QString p = qEnvironmentVariable("JAXO_TEST_STATE");
    return p;
}
}  // namespace

bool enabled() { return !path().isEmpty(); }

void write(const MainWindowState& s, int writableLine, bool visible, const QString& lines) {
    if (!enabled()) return;
    const QString out = QStringLiteral("right=%1\nwrong=%2\nwritable=%3\nvisible=%4\n")
                            .arg(s.rightCount)
                            .arg(s.wrongCount)
                            .arg(writableLine)
                            .arg(visible ? 1 : 0) +
                        lines;
    QSaveFile f(path());
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(out.toUtf8());
    f.commit();
}

}  // namespace testdump
