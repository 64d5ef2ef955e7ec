#include "widgets/pictures.h"

#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <utility>

namespace pictures {

QPixmap shared(const QString& path) {
    static QHash<QString, QPixmap> decoded;
    const auto it = decoded.constFind(path);
    if (it != decoded.constEnd()) return *it;
    const QPixmap p = once(path);
    if (!p.isNull()) decoded.insert(path, p);
    return p;
}

QPixmap once(const QString& path) { return QPixmap::fromImage(QImageReader(path).read()); }

namespace {

// Only the sizes drawn are decoded. Each file is read as PNG without asking the image
// plug-ins (asked, Qt loads every one of them, the SVG renderer among them).
class SizedIconEngine : public QIconEngine {
public:
    SizedIconEngine(const QStringList& files, const QList<int>& sizes) : files_(files), sizes_(sizes) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        icon(rect.size(), scale).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon(size, 1.0).pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon(size, scale).pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (isNull()) return {};
        // Square pictures, never scaled up.
        const int side = std::min({size.width(), size.height(), largest()});
        return side > 0 ? QSize(side, side) : QSize();
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> all;
        for (int s : sizes_) all << QSize(s, s);
        return all;
    }
    // Asked while buttons are laid out: a look at the file, not a decode.
    bool isNull() override { return files_.isEmpty() || !QFileInfo::exists(files_.front()); }
    QString key() const override { return QStringLiteral("jaxo-sized"); }
    QIconEngine* clone() const override { return new SizedIconEngine(files_, sizes_); }

private:
    int largest() const { return sizes_.isEmpty() ? 0 : sizes_.back(); }

    // The icon holding the file that suits size at scale: the smallest at least as
    // large as needed, else the largest.
    const QIcon& icon(const QSize& size, qreal scale) {
        const int needed = qCeil(std::max(size.width(), size.height()) * scale);
        qsizetype i = 0;
        while (i + 1 < sizes_.size() && i + 1 < files_.size() && sizes_[i] < needed) ++i;
        if (i < files_.size() && !(decoded_ & (1u << i))) {
            decoded_ |= 1u << i;
            QImageReader reader(files_[i], "png");
            reader.setAutoDetectImageFormat(false);
            const QImage image = QFileInfo::exists(files_[i]) ? reader.read() : QImage();
            if (!image.isNull()) own_.addPixmap(QPixmap::fromImage(image));
        }
        return own_;
    }

    QStringList files_;
    QList<int> sizes_;
    QIcon own_;
    unsigned decoded_ = 0;  // bit i: files_[i] read
};

class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return real().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return real().availableSizes(mode, state);
    }
    bool isNull() override { return made_ && icon_.isNull(); }
    QString key() const override { return QStringLiteral("jaxo-deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(make_); }

private:
    const QIcon& real() {
        if (!made_) {
            made_ = true;
            icon_ = make_();
        }
        return icon_;
    }
    std::function<QIcon()> make_;
    QIcon icon_;
    bool made_ = false;
};

}  // namespace

QIcon deferredIcon(std::function<QIcon()> make) { return QIcon(new DeferredIconEngine(std::move(make))); }

QIcon sizedIcon(const QStringList& files, const QList<int>& sizes, const QString& theme) {
    QIcon own(new SizedIconEngine(files, sizes));
    if (theme.isEmpty()) return own;
    return deferredIcon([own, theme] {
        const QIcon themed = QIcon::fromTheme(theme);
        return themed.isNull() ? own : themed;
    });
}

}  // namespace pictures

FilledPicture::FilledPicture(const QString& path, QWidget* parent) : QWidget(parent), path_(path) {}

void FilledPicture::paintEvent(QPaintEvent*) {
    if (unreadable_ || size().isEmpty()) return;
    if (pixmap_.size() != size()) {
        // Decoded straight at the size shown: no full-size copy beside a scaled one.
        QImageReader reader(path_);
        reader.setScaledSize(size());
        reader.setQuality(100);  // smooth scaling
        pixmap_ = QPixmap::fromImage(reader.read());  // takes the pixels over, no copy
        unreadable_ = pixmap_.isNull();
    }
    if (pixmap_.isNull()) return;
    QPainter(this).drawPixmap(0, 0, pixmap_);
}
