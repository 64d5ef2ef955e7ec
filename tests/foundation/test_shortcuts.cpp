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
        QVERIFY(text.contains("\nComment=Jaxo4.00\n"));
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

    void unknownFolderWritesNothing() {
        QVERIFY(!shortcuts::createShortcut("RECYCLE", "/x/jaxo", "Jaxo4.00", "/x/jaxo.png"));
        QVERIFY(!shortcuts::createShortcut("NOSUCH", "/x/jaxo", "Jaxo4.00", "/x/jaxo.png"));
    }
};

QTEST_GUILESS_MAIN(TestShortcuts)
#include "test_shortcuts.moc"
