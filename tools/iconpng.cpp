// Renders the SVG sources of the tool-bar, menu and button icons to PNG files at the
// pixel sizes the program draws them, so that the program itself needs no SVG renderer.
//   iconpng OUTDIR SIZES SVG...      SIZES like 16,24,32; writes OUTDIR/<name>-<size>.png
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: iconpng OUTDIR SIZES SVG...\n");
        return 2;
    }
    const QString out = args[1];
    QList<int> sizes;
    for (const QString& s : args[2].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = s.toInt(&ok);
        if (!ok || n <= 0 || n > 1024) {
            std::fprintf(stderr, "iconpng: bad size '%s'\n", qPrintable(s));
            return 2;
        }
        sizes << n;
    }
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "iconpng: cannot create %s\n", qPrintable(out));
        return 1;
    }
    for (int i = 3; i < args.size(); ++i) {
        QSvgRenderer svg(args[i]);
        if (!svg.isValid()) {
            std::fprintf(stderr, "iconpng: %s is not a valid SVG file\n", qPrintable(args[i]));
            return 1;
        }
        const QString name = QFileInfo(args[i]).completeBaseName();
        for (int size : sizes) {
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            svg.render(&p);
            p.end();
            const QString file = QStringLiteral("%1/%2-%3.png").arg(out, name).arg(size);
            // Written under another name first: a failed run leaves no half file behind.
            const QString part = file + QStringLiteral(".part");
            QFile::remove(file);
            if (!image.convertToFormat(QImage::Format_ARGB32).save(part, "PNG") || !QFile::rename(part, file)) {
                QFile::remove(part);
                std::fprintf(stderr, "iconpng: cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
