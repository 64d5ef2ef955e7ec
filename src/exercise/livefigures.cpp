#include "exercise/livefigures.h"

#include "exercise/exercisehost.h"
#include "exercise/exercisekinds.h"
#include "common/platform.h"
#include "widgets/fonts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace livefigures {

QString text(int right, int wrong, std::int64_t elapsedMs, bool withSpeed) {
    const int typed = right + wrong;
    const auto tr = [](const char* t) { return QCoreApplication::translate("livefigures", t); };
    QStringList parts;
    bool reached = typed > 0;
    if (withSpeed) {
        // Counted as lines end: until then, and in the first seconds, no figure is better than 0.
        if (elapsedMs >= 10000 && typed > 0) {
            const int speed = int(double(typed) * 60000.0 / double(elapsedMs));
            parts << tr("速度 %1 个/分（目标 %2）").arg(speed).arg(kTargetPerMinute);
            reached = reached && speed >= kTargetPerMinute;
        } else {
            parts << tr("速度 —（目标 %1 个/分）").arg(kTargetPerMinute);
            reached = false;
        }
    }
    if (typed > 0) {
        const double accuracy = 100.0 * right / typed;
        parts << tr("正确率 %1%（目标 %2%）").arg(accuracy, 0, 'f', 1).arg(kTargetAccuracy);
        reached = reached && accuracy >= kTargetAccuracy;
    } else {
        parts << tr("正确率 —（目标 %1%）").arg(kTargetAccuracy);
    }
    parts.last() += QLatin1Char(' ') + (reached ? tr("达标") : tr("未达标"));
    return parts.join(QLatin1Char('\n'));
}

void attach(QWidget& panel, QTimer& timer, const ExerciseScore& score, ExerciseHost& host) {
    if (panel.findChild<QLabel*>(QStringLiteral("liveFigures"))) return;
    auto* label = new QLabel(&panel);
    label->setObjectName(QStringLiteral("liveFigures"));
    label->setFont(fonts::song(8));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFocusPolicy(Qt::NoFocus);
    const auto update = [label, &panel, &score, &host] {
        const ExerciseScore& s = score;
        const bool withSpeed = !s.kind || s.kind->panel != ExercisePanel::Vocabulary;
        label->setText(text(s.rightCount, s.wrongCount, host.clock().msecs() - s.startMs, withSpeed));
        label->setAccessibleName(label->text());
        // Right of the clock, which stands in the middle of the panel's top.
        label->setGeometry(panel.width() / 2 + 40, 0, panel.width() / 2 - 48, 34);
        label->raise();
    };
    QObject::connect(&timer, &QTimer::timeout, label, update);
    update();
}

}  // namespace livefigures
