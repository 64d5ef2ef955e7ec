// The pictures the build draws: each one there, decodable and of the size its window
// expects, and a visible icon for every button and menu item that shows one.
#include "app/icons.h"
#include "support/testform.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

class TstPictures : public QObject {
    Q_OBJECT

private slots:
    void pictures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("splash is 416 x 262") << "splash.jpg" << QSize(416, 262);
        QTest::newRow("background fills an 800 x 600 window") << "back.jpg" << QSize(800, 600);
        QTest::newRow("keyboard is 207 high") << "keyboard.jpg" << QSize(530, 207);
        QTest::newRow("side strip") << "strip.jpg" << QSize(30, 400);
        QTest::newRow("About emblem") << "emblem.png" << QSize(100, 100);
        QTest::newRow("program icon") << "jaxo.png" << QSize(128, 128);
    }

    void pictures() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        // Read as the windows read them, through Qt's image plugins.
        QImageReader reader(QStringLiteral(JAXO_BUILD_APPDIR "/") + file);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(file + QStringLiteral(": ") + reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    void everyToolBarCommandHasItsIcon() {
        TestForm t;
        auto* mainctr = t.find<QTabWidget>(QStringLiteral("mainctr"));
        QVERIFY(mainctr);
        QStringList names;
        for (auto* b : mainctr->findChildren<QToolButton*>()) {
            // Not the tab bar's scroll arrows nor the tool bars' own extension buttons.
            if (!qobject_cast<QToolBar*>(b->parent()) || b->objectName().startsWith(QLatin1String("qt_"))) continue;
            names << b->objectName();
            if (b->menu())
                for (QAction* a : b->menu()->actions())
                    if (!a->isSeparator()) names << a->objectName();
        }
        QCOMPARE(names.size(), 26 + 9);
        for (const QString& n : names) QVERIFY2(drawsSomething(icons::forControl(n, t.appDir().toStdString())), qPrintable(n));
    }

    // Buttons of the panels, the report, the About box and the settings panel.
    void panelButtonsHaveTheirIcons_data() {
        QTest::addColumn<QString>("control");
        for (const char* name : {"OKButton", "exit", "chinaexit", "chinanextpage", "exitexit", "englishexit", "englishnext",
                                 "zgexit", "bdcexit", "sys1", "sys2", "sys3"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void panelButtonsHaveTheirIcons() {
        QFETCH(QString, control);
        // Our own file, whatever the desktop theme offers.
        const QString file = icons::fileFor(control, JAXO_BUILD_APPDIR);
        QVERIFY2(QFileInfo::exists(file), qPrintable(file));
        QVERIFY2(drawsSomething(QIcon(file)), qPrintable(file));
    }

    void unknownControlHasNoIcon() { QVERIFY(icons::forControl(QStringLiteral("nosuchbutton"), JAXO_BUILD_APPDIR).isNull()); }

private:
    // Rendered at the tool bar's size, some pixels are not transparent.
    static bool drawsSomething(const QIcon& icon) {
        const QImage image = icon.pixmap(32, 32).toImage();
        if (image.isNull()) return false;
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 0;
        return inked > 32;
    }
};

QTEST_MAIN(TstPictures)
#include "tst_pictures.moc"
