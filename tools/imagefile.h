#pragma once
// What the picture tools share: a list of pixel sizes from the command line and the
// writing of an image file.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>

#include <cstdio>

namespace imagefile {

// Sizes like "16,24,32". False, with a message, when one is not a size.
inline bool parseSizes(const QString& text, QList<int>& sizes) {
    for (const QString& s : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = s.toInt(&ok);
        if (!ok || n <= 0 || n > 1024) {
            std::fprintf(stderr, "%s: bad size '%s'\n", qPrintable(QCoreApplication::applicationName()), qPrintable(s));
            return false;
        }
        sizes << n;
    }
    return true;
}

// Written under another name first: a failed run leaves no half file behind.
inline bool save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    const QString part = path + QStringLiteral(".part");
    QFile::remove(path);
    if (image.save(part, format, quality) && QFile::rename(part, path)) return true;
    QFile::remove(part);
    std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(path));
    return false;
}

}  // namespace imagefile
