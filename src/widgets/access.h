#pragma once
// What assistive technology (a screen reader over AT-SPI) is told about the widgets.
#include <QLabel>
#include <QString>

class QWidget;

// A label drawn only for the look (the shadow of an engraved label): its own class,
// so that it gets its own accessible interface, one that is never read.
class DecorationLabel : public QLabel {
    Q_OBJECT
public:
    explicit DecorationLabel(QWidget* parent = nullptr);
};

namespace a11y {

// The widget stays on screen but is left out for assistive technology: the shadow
// twin of an engraved label would otherwise be read twice, and its clock would
// announce every second twice. Works for classes the toolkit has no interface of its
// own for (DecorationLabel, ByteGridLabel), as those are looked up first.
void hideDecoration(QWidget* widget);

// A hint or title as a screen reader says it: the trailing "..." that the eye reads
// as "more here" is not spoken as "dot dot dot".
QString spoken(const QString& text);

// Says `text` once, through the live region of `from`'s window (made there when the
// window has none). Each text is a notification object of its own that appears:
// readers speak a new notification, where a changed description goes unread, and a
// second text soon after cannot change what the first one says. Empty text says nothing.
void announce(QWidget* from, const QString& text);

// Puts the live region of its window into `statusBar`: a notification in a status bar
// is read without the word "notification" before it.
void placeLiveRegion(QWidget* statusBar);

}  // namespace a11y
