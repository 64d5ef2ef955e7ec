#include "app/aboutbox.h"

#include "widgets/access.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/pictures.h"
#include "app/mainwindow.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

AboutBox::AboutBox(MainWindow& form, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutform"));
    setWindowTitle(tr("关于..."));
    setAccessibleName(a11y::spoken(windowTitle()));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // No position of its own: it opens centred over the main window.
    setFixedSize(420, 290);
    setFont(fonts::song(12));

    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("Panel1"));
    frame_->setFrameShape(QFrame::Panel);
    frame_->setFrameShadow(QFrame::Sunken);
    frame_->setLineWidth(2);
    frame_->setGeometry(7, 10, 400, 200);
    frame_->setMouseTracking(true);
    frame_->installEventFilter(this);

    auto* image = new QLabel(frame_);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(pictures::once(QString::fromStdString(form.appDirectory() + "/emblem.png")));
    image->adjustSize();
    image->move(3, 3);
    image->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto label = [this](const char* name, const QString& text, QPoint pos) {
        auto* l = new QLabel(text, frame_);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(fonts::song(12));
        l->adjustSize();
        l->move(pos);
        l->installEventFilter(this);  // a click on a text does nothing
        return l;
    };
    label("a", tr("Jaxo中英文打字练习软件"), {130, 10});
    label("b", QStringLiteral("Version 4.00"), {170, 40});
    label("c", tr("由Jaxo开发组编写"), {140, 70});
    welcome_ = label("e", tr("欢迎使用JAXO4.00中文打字练习软件"), {90, 120});
    welcome_->setCursor(Qt::PointingHandCursor);
    welcome_->setMouseTracking(true);
    label("d", tr("Jaxo开发组"), {260, 170});

    auto* ok = new QPushButton(icons::forControl(QStringLiteral("OKButton"), form.appDirectory()),
                               tr("确定"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setFont(fonts::song(13));
    ok->setGeometry(155, 220, 100, 40);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::setWelcomeColour(const QColor& c) {
    QPalette p = welcome_->palette();
    p.setColor(QPalette::WindowText, c);
    welcome_->setPalette(p);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::Enter) {
        if (watched == welcome_) {
            setWelcomeColour(Qt::blue);
        } else if (watched == frame_) {
            // A move over e reaches the panel too, after e; only one outside e resets.
            const bool overE = type == QEvent::MouseMove &&
                               welcome_->geometry().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (!overE) setWelcomeColour(palette().color(QPalette::WindowText));
        }
    } else if (type == QEvent::MouseButtonPress) {
        if (watched == frame_) accept();
        return true;  // the panel closes the box; a text takes the click and does nothing
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::mousePressEvent(QMouseEvent* event) {
    // A click on the free area closes the box as well.
    accept();
    QDialog::mousePressEvent(event);
}
