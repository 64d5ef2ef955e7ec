#pragma once
// Pictures and icons from the program folder, each decoded once and only when shown.
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace pictures {

// The picture of a file, decoded at its first use and then shared: every window that
// shows it holds the same pixels. Null when the file cannot be read.
QPixmap shared(const QString& path);

// The picture of a file, decoded for one window: nothing keeps it once that window
// lets it go (QPixmap(path) would keep it in the pixmap cache).
QPixmap once(const QString& path);

// An icon drawn from PNG files of square sizes (files[i] is sizes[i] pixels wide, smallest
// first), each file read when a size that needs it is first drawn, not when the button
// is built. With a theme name, the desktop theme's icon of that name where the theme
// has one, looked up when the icon is first drawn.
QIcon sizedIcon(const QStringList& files, const QList<int>& sizes, const QString& theme = {});

// The icon make() returns, made when it is first drawn or measured; until then it
// counts as not null.
QIcon deferredIcon(std::function<QIcon()> make);

}  // namespace pictures

// A picture that fills the widget: decoded at the widget's size when it is painted, so
// one copy of the pixels is held, the one on screen.
class FilledPicture : public QWidget {
public:
    explicit FilledPicture(const QString& path, QWidget* parent = nullptr);
    const QPixmap& shown() const { return pixmap_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString path_;
    QPixmap pixmap_;
    bool unreadable_ = false;
};
