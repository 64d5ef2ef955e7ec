#include "exercise/testdump.h"

#include "common/atomicwrite.h"

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
    atomicwrite::write(path(), out.toUtf8());
}

}  // namespace testdump
