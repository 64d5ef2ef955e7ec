// Start-up and memory figures (a benchmark, not a test): builds the real main window on
// the built program folder several times and prints the time each start takes and the
// memory the process holds.
//   bench_startup [APPDIR]
#include "app/tform1.h"
#include "support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
long residentKiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;  // launchers go here, not into the real home
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    const std::string appDir = argc > 1 ? argv[1] : JAXO_BUILD_APPDIR;

    const long before = residentKiB();
    FakeClock clock;
    FakeMessages messages;
    FakeShell shell;
    SilentOutput sound;
    std::vector<double> ms;
    long withWindow = 0;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        TForm1 form({&clock, &messages, &shell, &sound, appDir, {}});
        form.show();
        QApplication::processEvents();
        ms.push_back(t.nsecsElapsed() / 1e6);
        withWindow = std::max(withWindow, residentKiB());
    }
    if (!messages.errors.isEmpty()) std::printf("start-up reported: %s\n", qPrintable(messages.errors.join(QStringLiteral("; "))));
    std::sort(ms.begin(), ms.end());
    std::printf("main window built and shown (code books, settings, panels), 7 starts: median %.1f ms, min %.1f ms, max %.1f ms\n",
                ms[ms.size() / 2], ms.front(), ms.back());
    std::printf("resident memory: %ld KiB before, %ld KiB with the main window (+%ld KiB)\n", before, withWindow,
                withWindow - before);
    return 0;
}
