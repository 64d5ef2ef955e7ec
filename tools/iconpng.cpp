// Renders the SVG sources of the tool-bar, menu and button icons to PNG files at the
// pixel sizes the program draws them, so that the program itself needs no SVG renderer.
//   iconpng OUTDIR SIZES SVG...      SIZES like 16,24,32; writes OUTDIR/<name>-<size>.png
#include "imagefile.h"

#include <QDir>
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
    if (!imagefile::parseSizes(args[2], sizes)) return 2;
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
            if (!imagefile::save(image.convertToFormat(QImage::Format_ARGB32), file, "PNG")) return 1;
        }
    }
    return 0;
}
