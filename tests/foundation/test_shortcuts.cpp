// Launchers: the special-folder names and the launcher file.
#include "settings/shortcuts.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestShortcuts : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

    QString desktop() const { return home_.path() + QStringLiteral("/Desktop"); }
    QString apps() const { return home_.path() + QStringLiteral("/data/applications"); }

private slots:
    void initTestCase() {
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_DESKTOP_DIR", desktop().toUtf8());
        qputenv("XDG_DATA_HOME", (home_.path() + QStringLiteral("/data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/config")).toUtf8());
        QDir().mkpath(desktop());
    }

    void folders_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("DESKTOP") << "DESKTOP" << "desktop";
        QTest::newRow("desktop directory") << "DesktopDirectory" << "desktop";
        QTest::newRow("PROGRAMS") << "PROGRAMS" << "apps";
        QTest::newRow("programs in lower case") << "programs" << "apps";
        QTest::newRow("STARTMENU") << "STARTMENU" << "apps";
        QTest::newRow("STARTUP") << "STARTUP" << "autostart";
        QTest::newRow("RECYCLE has no path") << "RECYCLE" << "";
        QTest::newRow("NETWORK has no path") << "NETWORK" << "";
        QTest::newRow("unknown name") << "NOSUCH" << "";
        QTest::newRow("empty name") << "" << "";
    }
    void folders() {
        QFETCH(QString, name);
        QFETCH(QString, path);
        const QString expected = path == QLatin1String("desktop") ? desktop()
                                 : path == QLatin1String("apps")  ? apps()
                                 : path == QLatin1String("autostart") ? home_.path() + QStringLiteral("/config/autostart")
                                                                       : QString();
        QCOMPARE(QString::fromStdString(shortcuts::specialFolderPath(name.toStdString())), expected);
    }

    void writesAndReplacesLauncher() {
        const std::string target = "/opt/my apps/jaxo";
        QVERIFY(shortcuts::createShortcut("PROGRAMS", target, "Jaxo4.00", "/opt/my apps/jaxo.png"));
        const QString file = apps() + QStringLiteral("/Jaxo4.00.desktop");
        QVERIFY(QFile::exists(file));
        QVERIFY(QFile::permissions(file) & QFileDevice::ExeOwner);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        f.close();
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nType=Application\n"));
        QVERIFY(text.contains("\nName=Jaxo4.00\n"));
        QVERIFY(text.contains("\nExec=\"/opt/my apps/jaxo\"\n"));
        QVERIFY(text.contains("\nIcon=/opt/my apps/jaxo.png\n"));
        QVERIFY(text.contains("\nTerminal=false\n"));

        // A second start rewrites the one file.
        QFile::remove(file);
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        QVERIFY(shortcuts::createShortcut("PROGRAMS", "/other/jaxo", "Jaxo4.00", "/other/jaxo.png"));
        QFile g(file);
        QVERIFY(g.open(QIODevice::ReadOnly));
        QVERIFY(g.readAll().contains("Exec=\"/other/jaxo\""));
        QCOMPARE(QDir(apps()).entryList(QDir::Files).size(), 1);
    }

    void execQuotingOfSpecialCharacters() {
        const std::string e = shortcuts::desktopEntry("/a/$b\"c`d\\e%f", "x", "/i.png");
        // Inside the quotes $ " ` \ take a backslash, % doubles, and the value escapes the backslashes.
        QVERIFY(QByteArray::fromStdString(e).contains("Exec=\"/a/\\\\$b\\\\\"c\\\\`d\\\\\\\\e%%f\"\n"));
    }

    void desktopLauncher() {
        QVERIFY(shortcuts::createShortcut("desktop", "/x/jaxo", "Jaxo4.00", "/x/jaxo.png"));
        QVERIFY(QFile::exists(desktop() + QStringLiteral("/Jaxo4.00.desktop")));
    }

    // A launcher the program writes carries every key of the shipped one; only the
    // program and icon are its own.
    void sameKeysAsTheShippedLauncher() {
        QFile shipped(QStringLiteral(JAXO_SOURCE_DIR "/assets/install/io.github.jaxo.Jaxo.desktop"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QList<QByteArray> shippedLines = shipped.readAll().split('\n');
        QVERIFY(shortcuts::createShortcut("DESKTOP", "/opt/jaxo/bin/jaxo", "Jaxo4.00", "/opt/jaxo/jaxo.png"));
        QFile written(desktop() + QStringLiteral("/Jaxo4.00.desktop"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QList<QByteArray> writtenLines = written.readAll().split('\n');
        QCOMPARE(writtenLines.size(), shippedLines.size());
        for (qsizetype i = 0; i < shippedLines.size(); ++i) {
            const QByteArray key = shippedLines[i].left(shippedLines[i].indexOf('=') + 1);
            QVERIFY2(writtenLines[i].startsWith(key), writtenLines[i].constData());
            if (key == "Exec=")
                QCOMPARE(writtenLines[i], QByteArray("Exec=\"/opt/jaxo/bin/jaxo\""));
            else if (key == "Icon=")
                QCOMPARE(writtenLines[i], QByteArray("Icon=/opt/jaxo/jaxo.png"));
            else
                QCOMPARE(writtenLines[i], shippedLines[i]);
        }
    }

    // The installed launcher in a system data folder is found; the user's own menu
    // folder does not count.
    void systemLauncher_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("found");
        QTest::newRow("in a system data folder") << "system" << true;
        QTest::newRow("nowhere") << "" << false;
        QTest::newRow("only in the user's menu folder") << "user" << false;
        QTest::newRow("another program's launcher") << "other" << false;
    }
    void systemLauncher() {
        QFETCH(QString, where);
        QFETCH(bool, found);
        QTemporaryDir system;
        qputenv("XDG_DATA_DIRS", (system.path() + QStringLiteral(":") + system.path() + QStringLiteral("/more")).toUtf8());
        QDir().mkpath(system.path() + QStringLiteral("/more/applications"));
        QDir().mkpath(apps());
        const QString name = QStringLiteral("io.github.jaxo.Jaxo.desktop");
        const QString file = where == QLatin1String("system") ? system.path() + QStringLiteral("/more/applications/") + name
                             : where == QLatin1String("user")  ? apps() + QLatin1Char('/') + name
                             : where == QLatin1String("other") ? system.path() + QStringLiteral("/more/applications/x.desktop")
                                                               : QString();
        if (!file.isEmpty()) QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        QCOMPARE(shortcuts::systemLauncherInstalled(), found);
        if (where == QLatin1String("user")) QFile::remove(file);
        qunsetenv("XDG_DATA_DIRS");
    }

    void unknownFolderWritesNothing() {
        QVERIFY(!shortcuts::createShortcut("RECYCLE", "/x/jaxo", "Jaxo4.00", "/x/jaxo.png"));
        QVERIFY(!shortcuts::createShortcut("NOSUCH", "/x/jaxo", "Jaxo4.00", "/x/jaxo.png"));
    }
};

QTEST_GUILESS_MAIN(TestShortcuts)
#include "test_shortcuts.moc"
