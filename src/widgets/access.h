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

// Sets the accessible description and tells assistive technology that it changed, so
// a screen reader on that control reads it out. Where another widget has the focus on
// the control's behalf (speakFor), that one says it too.
void announce(QWidget* widget, const QString& description);

// `speaker` (or nobody, when null) holds the focus for `widget` and says what it says.
void speakFor(QWidget* widget, QWidget* speaker);

}  // namespace a11y
