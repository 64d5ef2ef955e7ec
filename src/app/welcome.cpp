#include "app/welcome.h"

#include "common/atomicwrite.h"
#include "widgets/fonts.h"

#include <QtGlobal>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace welcome {

QString markerFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/jaxo/welcome");
}

bool offerAtStart() { return qEnvironmentVariableIsEmpty("JAXO_NO_WELCOME") && !QFileInfo::exists(markerFile()); }

bool markSeen(QString* message) {
    const QString file = markerFile();
    return atomicwrite::makeFolder(QFileInfo(file).path(), message) &&
           atomicwrite::write(file, QByteArrayLiteral("seen\n"), message);
}

}  // namespace welcome

namespace {

constexpr int kKey = 34;  // a key's side in pixels
constexpr int kGap = 4;

struct Finger {
    const char* name;
    QColor colour;
};

// The home row, left to right, with the finger that rests on each key.
const Finger kHome[] = {
    {QT_TRANSLATE_NOOP("HomeRowPicture", "左小指"), QColor(0xf2, 0xb8, 0xb5)}, {QT_TRANSLATE_NOOP("HomeRowPicture", "左无名指"), QColor(0xf6, 0xd3, 0x8c)}, {QT_TRANSLATE_NOOP("HomeRowPicture", "左中指"), QColor(0xc6, 0xe3, 0x9a)},
    {QT_TRANSLATE_NOOP("HomeRowPicture", "左食指"), QColor(0x9c, 0xd3, 0xe8)}, {"", QColor()},                         {"", QColor()},
    {QT_TRANSLATE_NOOP("HomeRowPicture", "右食指"), QColor(0x9c, 0xd3, 0xe8)}, {QT_TRANSLATE_NOOP("HomeRowPicture", "右中指"), QColor(0xc6, 0xe3, 0x9a)}, {QT_TRANSLATE_NOOP("HomeRowPicture", "右无名指"), QColor(0xf6, 0xd3, 0x8c)},
    {QT_TRANSLATE_NOOP("HomeRowPicture", "右小指"), QColor(0xf2, 0xb8, 0xb5)},
};

QString section(const QString& heading, const QString& text) {
    return QStringLiteral("<b>%1</b><br>%2").arg(heading, text);
}

QLabel* textBlock(QWidget* parent, const char* name, const QString& heading, const QString& text) {
    auto* l = new QLabel(section(heading, text), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setTextFormat(Qt::RichText);
    // Reached with Tab, so a screen reader reads each part.
    l->setFocusPolicy(Qt::StrongFocus);
    l->setAccessibleName(heading);
    l->setAccessibleDescription(text);
    return l;
}

}  // namespace

HomeRowPicture::HomeRowPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("homeRowPicture"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("手指在基本键上的位置图"));
    setAccessibleDescription(tr("左手小指、无名指、中指、食指依次放在A、S、D、F键上，右手食指、中指、无名指、小指依次放在J、K、L和分号键上，"
        "两个大拇指放在空格键上。F和J键上有小凸起。"));
    setFixedSize(sizeHint());
}

QSize HomeRowPicture::sizeHint() const { return {12 * (kKey + kGap) + 40, 4 * (kKey + kGap) + 22}; }

void HomeRowPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QString rows[3] = {QStringLiteral("QWERTYUIOP"), QStringLiteral("ASDFGHJKL;"), QStringLiteral("ZXCVBNM,./")};
    const int offsets[3] = {0, kKey / 3, kKey * 2 / 3 + 4};
    const int left = (width() - (10 * (kKey + kGap) + kKey)) / 2;
    QFont keyFont = fonts::song(11);
    keyFont.setBold(true);
    const QFont nameFont = fonts::song(9);
    for (int r = 0; r < 3; ++r) {
        const int y = 6 + r * (kKey + kGap) + (r > 1 ? 20 : 0);
        for (int i = 0; i < rows[r].size(); ++i) {
            const QRect key(left + offsets[r] + i * (kKey + kGap), y, kKey, kKey);
            const bool home = r == 1 && !QByteArray(kHome[i].name).isEmpty();
            p.setPen(QPen(QColor(0x40, 0x40, 0x48), home ? 2 : 1));
            p.setBrush(home ? kHome[i].colour : QColor(0xf4, 0xf4, 0xf4));
            p.drawRoundedRect(key, 4, 4);
            p.setFont(keyFont);
            p.setPen(Qt::black);
            p.drawText(key, Qt::AlignCenter, rows[r].at(i));
            // The bumps of F and J.
            if (r == 1 && (i == 3 || i == 6)) p.drawLine(key.center().x() - 5, key.bottom() - 6, key.center().x() + 5, key.bottom() - 6);
            if (home) {
                // The finger's name under its key, on alternate lines so that long names fit.
                p.setFont(nameFont);
                const QRect name(key.center().x() - 30, key.bottom() + 2 + (i % 2) * 10, 60, 12);
                p.drawText(name, Qt::AlignCenter, tr(kHome[i].name));
            }
        }
    }
    const int spaceTop = 6 + 3 * (kKey + kGap) + 20;
    const QRect space(left + 3 * (kKey + kGap), spaceTop, 5 * (kKey + kGap), kKey - 6);
    p.setPen(QPen(QColor(0x40, 0x40, 0x48), 2));
    p.setBrush(QColor(0xd8, 0xcc, 0xf0));
    p.drawRoundedRect(space, 4, 4);
    p.setFont(nameFont);
    p.setPen(Qt::black);
    p.drawText(space, Qt::AlignCenter, tr("空格：两个大拇指"));
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 2, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

WelcomeDialog::WelcomeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("welcome"));
    setWindowTitle(tr("欢迎使用Jaxo4.00"));
    setAccessibleName(windowTitle());
    setFont(fonts::song(11));

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(tr("欢迎！第一次使用，先花一分钟看看这几件事。"), this);
    title->setObjectName(QStringLiteral("welcomeTitle"));
    title->setFont(fonts::song(13));
    layout->addWidget(title);

    layout->addWidget(textBlock(
        this, "welcomeStart", tr("从哪里开始"),
        tr("学五笔：先在“中文练习”标签页上做“字根练习”，记熟每个键上的字根，再练“高频字”和“二级简码”。"
                       "学英文指法：从“英文练习”标签页上的“英文初级”开始。想知道自己打得多快，就到“测 试”标签页。")));
    layout->addWidget(textBlock(
        this, "welcomeFingers", tr("手指放在基本键上"),
        tr("左手四指放在 A S D F 上，右手四指放在 J K L ; 上，两个大拇指轻放在空格键上。"
                       "F 和 J 键上有小凸起，不看键盘也能摸到。每打完一个键，手指回到这一排。")));
    layout->addWidget(new HomeRowPicture(this), 0, Qt::AlignHCenter);
    layout->addWidget(textBlock(
        this, "welcomeInput", tr("打开五笔输入法"),
        tr("中文练习要用五笔输入法打字：fcitx5 按 Ctrl+空格 打开或关闭，IBus 按 Super+空格 切换。"
                       "还没有装五笔输入法时，请看帮助里的“打开五笔输入法”。英文练习、字根练习和背单词不用输入法。")));
    layout->addWidget(textBlock(
        this, "welcomeResults", tr("成绩记在哪里"),
        tr("每次打过字的练习都记入“系 统”标签页上的“成绩记录”：历次成绩、速度和正确率的图表、最常打错的字和单词，"
                       "还可以专门练它们。记录保存在您自己的文件夹里（~/.local/share/jaxo/history.sqlite）。"
                       "这个窗口以后可以从“系 统”标签页上的“入门”再打开。")));

    auto* buttons = new QHBoxLayout;
    auto* help = new QPushButton(tr("打开帮助(&H)"), this);
    help->setObjectName(QStringLiteral("welcomeHelp"));
    auto* ok = new QPushButton(tr("开始练习(&O)"), this);
    ok->setObjectName(QStringLiteral("welcomeClose"));
    ok->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(help);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(help, &QPushButton::clicked, this, &WelcomeDialog::helpWanted);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Wide enough for the picture; as tall as the wrapped texts need at that width.
    constexpr int kWidth = 620;
    setMinimumSize(kWidth, layout->totalHeightForWidth(kWidth));
    resize(minimumSize());
    ok->setFocus();
}
