#include "widgets/pictures.h"

#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

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
class FileIconEngine : public QIconEngine {
public:
    explicit FileIconEngine(const QString& path) : path_(path) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().pixmap(size, mode, state);
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
    // Asked while buttons are laid out: a look at the file, not a decode.
    bool isNull() override { return loaded_ ? icon_.isNull() : !QFileInfo::exists(path_); }
    QString key() const override { return QStringLiteral("jaxo-file"); }
    QIconEngine* clone() const override { return new FileIconEngine(path_); }

private:
    const QIcon& real() {
        if (!loaded_) {
            icon_ = QIcon(path_);
            loaded_ = true;
        }
        return icon_;
    }
    QString path_;
    QIcon icon_;
    bool loaded_ = false;
};
}  // namespace

QIcon icon(const QString& path) { return QIcon(new FileIconEngine(path)); }

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
