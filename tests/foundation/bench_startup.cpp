// Start-up and memory figures (a benchmark, not a test): builds the real main window on
// the built program folder several times and prints the time each start takes and the
// memory the process holds. The sound is the program's own output, held until the window
// is shown and then released, as the program does; run it with a sound server (a null
// sink where there is no card: tools/bench/with_null_sink.sh) to see the sound's
// cost too, and with JAXO_BENCH_MUSIC=1 to start the main music.
//   bench_startup [APPDIR]
#include "app/mainwindow.h"
#include "sound/fluidoutput.h"
#include "support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

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
    const std::string sourceDir = argc > 1 ? argv[1] : JAXO_BUILD_APPDIR;
    // A copy of the program folder whose settings start the main music or not.
    QTemporaryDir folder;
    for (const QFileInfo& f : QDir(QString::fromStdString(sourceDir)).entryInfoList(QDir::Files))
        QFile::copy(f.filePath(), folder.filePath(f.fileName()));
    QDir().mkpath(folder.filePath(QStringLiteral("icons")));
    for (const QFileInfo& f : QDir(QString::fromStdString(sourceDir + "/icons")).entryInfoList(QDir::Files))
        QFile::copy(f.filePath(), folder.filePath(QStringLiteral("icons/") + f.fileName()));
    const bool music = qgetenv("JAXO_BENCH_MUSIC") == "1";
    {
        QFile settings(folder.filePath(QStringLiteral("sysctr.jxo")));
        settings.open(QIODevice::WriteOnly | QIODevice::Truncate);
        const QByteArray m = music ? "true" : "false";
        settings.write("10\r\n5\r\n10\r\n" + m + "\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\ntrue\r\nfalse\r\nfalse\r\n");
    }
    const std::string appDir = folder.path().toStdString();

    const long before = residentKiB();
    FakeClock clock;
    FakeMessages messages;
    FakeShell shell;
    std::vector<double> ms;
    long withWindow = 0, settled = 0;
    std::string driver;
    bool soundFont = false;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        FluidOutput::Options options;
        options.held = true;
        FluidOutput sound(options);
        MainWindow form({&clock, &messages, &shell, &sound, appDir, {}});
        form.show();
        QApplication::processEvents();
        ms.push_back(t.nsecsElapsed() / 1e6);
        withWindow = std::max(withWindow, residentKiB());
        // What the sound does once the window is up: loading, playing, or nothing.
        sound.release();
        QEventLoop wait;
        QTimer::singleShot(1500, &wait, &QEventLoop::quit);
        wait.exec();
        settled = std::max(settled, residentKiB());
        driver = sound.driverName();
        soundFont = sound.soundFontLoaded();
    }
    if (!messages.errors.isEmpty()) std::printf("start-up reported: %s\n", qPrintable(messages.errors.join(QStringLiteral("; "))));
    std::sort(ms.begin(), ms.end());
    std::printf("main window built and shown (code books, settings, panels), 7 starts: median %.1f ms, min %.1f ms, max %.1f ms\n",
                ms[ms.size() / 2], ms.front(), ms.back());
    std::printf("resident memory: %ld KiB before, %ld KiB with the main window (+%ld KiB), %ld KiB 1.5 s later\n",
                before, withWindow, withWindow - before, settled);
    std::printf("sound: %s, main music %s, SoundFont %s\n", driver.empty() ? "no output" : driver.c_str(),
                music ? "on" : "off", soundFont ? "loaded" : "not loaded");
    return 0;
}
