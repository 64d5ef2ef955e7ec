// The pictures the build draws: each one there, decodable and of the size its window
// expects, and a visible icon for every button and menu item that shows one.
#include "common/install.h"
#include "widgets/icons.h"
#include "widgets/iconstyle.h"
#include "widgets/pictures.h"
#include "support/testform.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QTemporaryDir>
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
        QCOMPARE(names.size(), 32 + 21);
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
        // Our own files, whatever the desktop theme offers: one per size, each drawing.
        const QStringList files = icons::filesFor(control, JAXO_BUILD_APPDIR);
        QCOMPARE(files.size(), qsizetype(std::size(install::kIconSizes)));
        for (const QString& file : files) {
            QVERIFY2(QFileInfo::exists(file), qPrintable(file));
            QVERIFY2(drawsSomething(QIcon(file)), qPrintable(file));
        }
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

private slots:
    // The background fills its widget with the picture scaled to the widget's size,
    // at any size the window gives it; a missing file leaves the widget empty.
    void filledPicture_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("at the picture's own size") << "back.jpg" << QSize(800, 600);
        QTest::newRow("below the tool bar of a maximised window") << "back.jpg" << QSize(800, 488);
        QTest::newRow("a small window") << "back.jpg" << QSize(546, 320);
        QTest::newRow("a missing file shows nothing") << "gone.jpg" << QSize(200, 100);
    }
    void filledPicture() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QString path = QStringLiteral(JAXO_BUILD_APPDIR "/") + file;
        FilledPicture w(path);
        w.resize(size);
        QImage shown(size, QImage::Format_ARGB32_Premultiplied);
        shown.fill(Qt::transparent);
        w.render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
        QImageReader reader(path);
        reader.setScaledSize(size);
        reader.setQuality(100);
        QImage expected = reader.read();
        if (expected.isNull()) {
            QVERIFY(!QFile::exists(path));
            QCOMPARE(shown.pixel(size.width() / 2, size.height() / 2), qRgba(0, 0, 0, 0));
            return;
        }
        expected = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // Pixel for pixel as a smooth scaling of the picture would give it.
        for (int y = 0; y < size.height(); y += 37)
            for (int x = 0; x < size.width(); x += 41) QCOMPARE(shown.pixel(x, y), expected.pixel(x, y));
    }

    // A button's icon shows the pixels of the file of the size drawn (twice that on a
    // high-density screen), read when it is drawn, as an icon holding every file would;
    // a missing file is an icon that shows nothing, as Qt's own.
    void iconsDrawTheirFiles_data() {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<int>("mode");
        QTest::newRow("a tool bar command at 32") << "icons/radical-drill" << 32 << 1.0 << int(QIcon::Normal);
        QTest::newRow("a menu item at 16") << "icons/radical-drill" << 16 << 1.0 << int(QIcon::Normal);
        QTest::newRow("a panel button at 24, disabled") << "icons/exercise-exit" << 24 << 1.0 << int(QIcon::Disabled);
        QTest::newRow("a tool bar command on a doubled screen") << "icons/words" << 32 << 2.0 << int(QIcon::Normal);
        QTest::newRow("a size between the files is scaled down") << "icons/words" << 20 << 1.0 << int(QIcon::Normal);
        QTest::newRow("larger than the largest file") << "icons/words" << 100 << 1.0 << int(QIcon::Normal);
        QTest::newRow("a missing file") << "icons/gone" << 32 << 1.0 << int(QIcon::Normal);
    }
    void iconsDrawTheirFiles() {
        QFETCH(QString, stem);
        QFETCH(int, size);
        QFETCH(qreal, scale);
        QFETCH(int, mode);
        QStringList files;
        QList<int> sizes;
        QIcon eager;
        for (int s : install::kIconSizes) {
            files << QStringLiteral(JAXO_BUILD_APPDIR "/%1-%2.png").arg(stem).arg(s);
            sizes << s;
            if (QFile::exists(files.back())) eager.addFile(files.back(), QSize(s, s));
        }
        const QIcon lazy = pictures::sizedIcon(files, sizes);
        QCOMPARE(lazy.isNull(), eager.isNull());
        const auto m = static_cast<QIcon::Mode>(mode);
        QCOMPARE(lazy.actualSize(QSize(size, size), m), eager.actualSize(QSize(size, size), m));
        QCOMPARE(lazy.pixmap(QSize(size, size), scale, m).toImage(), eager.pixmap(QSize(size, size), scale, m).toImage());
    }

    // The style's standard icons, made when first drawn, draw as the desktop style's own.
    void standardIconsDrawAsTheStyles_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("size");
        QTest::newRow("the tool bar's extension arrow") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << 16;
        QTest::newRow("the vertical extension arrow") << int(QStyle::SP_ToolBarVerticalExtensionButton) << 16;
        QTest::newRow("a message box warning") << int(QStyle::SP_MessageBoxWarning) << 32;
        QTest::newRow("a message box question, large") << int(QStyle::SP_MessageBoxQuestion) << 64;
        QTest::newRow("a left arrow") << int(QStyle::SP_ArrowLeft) << 16;
    }
    void standardIconsDrawAsTheStyles() {
        QFETCH(int, icon);
        QFETCH(int, size);
        DeferredIconStyle deferred;
        const auto sp = static_cast<QStyle::StandardPixmap>(icon);
        const QIcon late = deferred.standardIcon(sp);
        const QIcon own = deferred.baseStyle()->standardIcon(sp);
        QVERIFY(!own.isNull());
        QCOMPARE(late.actualSize(QSize(size, size)), own.actualSize(QSize(size, size)));
        QCOMPARE(late.pixmap(size, size).toImage(), own.pixmap(size, size).toImage());
        QCOMPARE(late.pixmap(size, size, QIcon::Disabled).toImage(), own.pixmap(size, size, QIcon::Disabled).toImage());
        QCOMPARE(late.isNull(), own.isNull());
    }

    // Two windows showing one picture hold one copy of its pixels.
    void sharedPicturesAreOneCopy() {
        const QString path = QStringLiteral(JAXO_BUILD_APPDIR "/keyboard.jpg");
        const QPixmap a = pictures::shared(path), b = pictures::shared(path);
        QVERIFY(!a.isNull());
        QCOMPARE(a.cacheKey(), b.cacheKey());
        QCOMPARE(a.toImage(), QImage(path).convertToFormat(a.toImage().format()));
        QVERIFY(pictures::shared(QStringLiteral(JAXO_BUILD_APPDIR "/gone.jpg")).isNull());
    }
};

QTEST_MAIN(TstPictures)
#include "tst_pictures.moc"
