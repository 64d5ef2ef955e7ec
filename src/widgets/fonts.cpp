#include "widgets/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace fonts {

namespace {
QFont make(const QStringList& families, int pt) {
    QFont f;
    f.setFamilies(families);
    f.setPointSize(pt);
    return f;
}
}  // namespace

void addCaptionFace(const QString& dataDir) {
    QFontDatabase::addApplicationFont(dataDir + QStringLiteral("/fonts/captions.otf"));
}

QFont song(int pt) {
    return make({QStringLiteral("宋体"), QStringLiteral("SimSun"), QLatin1String(kCaptionFamily),
                 QStringLiteral("Noto Serif CJK SC"),
                 QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans CJK SC")},
                pt);
}

QFont kai(int pt) {
    return make({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN"),
                 QStringLiteral("Noto Serif CJK SC")},
                pt);
}

QFont grid(int pt) {
    QFont f = make({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("NSimSun"), QStringLiteral("AR PL UMing CN")}, pt);
    f.setStyleHint(QFont::TypeWriter);
    f.setKerning(false);
    return f;
}

}  // namespace fonts
