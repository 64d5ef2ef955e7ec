#include "app/taboutform.h"

#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/pictures.h"
#include "app/tform1.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

Taboutform::Taboutform(TForm1& form, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutform"));
    setWindowTitle(QStringLiteral("关于..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(420, 290);
    move(200, 140);
    setFont(fonts::song(12));

    Panel1_ = new QFrame(this);
    Panel1_->setObjectName(QStringLiteral("Panel1"));
    Panel1_->setFrameShape(QFrame::Panel);
    Panel1_->setFrameShadow(QFrame::Sunken);
    Panel1_->setLineWidth(2);
    Panel1_->setGeometry(7, 10, 400, 200);
    Panel1_->setMouseTracking(true);
    Panel1_->installEventFilter(this);

    auto* image = new QLabel(Panel1_);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(pictures::once(QString::fromStdString(form.state().appDir + "/emblem.png")));
    image->adjustSize();
    image->move(3, 3);
    image->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto label = [this](const char* name, const QString& text, QPoint pos) {
        auto* l = new QLabel(text, Panel1_);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(fonts::song(12));
        l->adjustSize();
        l->move(pos);
        l->installEventFilter(this);  // a click on a text does nothing
        return l;
    };
    label("a", QStringLiteral("Jaxo中英文打字练习软件"), {130, 10});
    label("b", QStringLiteral("Version 4.00"), {170, 40});
    label("c", QStringLiteral("由Jaxo开发组编写"), {140, 70});
    e_ = label("e", QStringLiteral("欢迎使用JAXO4.00中文打字练习软件"), {90, 120});
    e_->setCursor(Qt::PointingHandCursor);
    e_->setMouseTracking(true);
    label("d", QStringLiteral("Jaxo开发组"), {260, 170});

    auto* ok = new QPushButton(icons::forControl(QStringLiteral("OKButton"), form.state().appDir),
                               QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setFont(fonts::song(13));
    ok->setGeometry(155, 220, 100, 40);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void Taboutform::setEColor(const QColor& c) {
    QPalette p = e_->palette();
    p.setColor(QPalette::WindowText, c);
    e_->setPalette(p);
}

bool Taboutform::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::Enter) {
        if (watched == e_) {
            setEColor(Qt::blue);
        } else if (watched == Panel1_) {
            // A move over e reaches the panel too, after e; only one outside e resets.
            const bool overE = type == QEvent::MouseMove &&
                               e_->geometry().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (!overE) setEColor(palette().color(QPalette::WindowText));
        }
    } else if (type == QEvent::MouseButtonPress) {
        if (watched == Panel1_) accept();
        return true;  // the panel closes the box; a text takes the click and does nothing
    }
    return QDialog::eventFilter(watched, event);
}

void Taboutform::mousePressEvent(QMouseEvent* event) {
    // A click on the free area closes the box as well.
    accept();
    QDialog::mousePressEvent(event);
}
