#include "report/scorereport.h"

#include <QCoreApplication>
#include <cctype>

namespace {

// Digits of one field; a missing or non-numeric field counts 0.
int field(std::string_view t) {
    int v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return v;
        v = v * 10 + (c - '0');
    }
    return v;
}

}  // namespace

ScoreReport computeScoreReport(int rightCount, int wrongCount, bool withSpeed, const ByteText& elapsedText) {
    ScoreReport r;
    // "h:mm:ss": fields by their colons, so that ten hours or more still parse.
    std::string_view t = elapsedText;
    const auto c1 = t.find(':');
    const auto c2 = c1 == std::string_view::npos ? std::string_view::npos : t.find(':', c1 + 1);
    if (c1 != std::string_view::npos) {
        r.hourMinutes = field(t.substr(0, c1)) * 60;
        r.minutes = field(t.substr(c1 + 1, c2 == std::string_view::npos ? std::string_view::npos : c2 - c1 - 1));
        if (c2 != std::string_view::npos) r.seconds = field(t.substr(c2 + 1));
    }
    r.elapsedSeconds = r.hourMinutes * 60 + r.minutes * 60 + r.seconds;
    const long long n = static_cast<long long>(rightCount) + wrongCount;
    const QString sp = QStringLiteral("\u3000");
    r.typed = QCoreApplication::translate("ScoreReport", "输入:") + sp + QString::number(n) + sp + QCoreApplication::translate("ScoreReport", "个字！");
    r.right = QCoreApplication::translate("ScoreReport", "正确:") + sp + QString::number(rightCount) + sp + QCoreApplication::translate("ScoreReport", "个字！");
    r.wrong = QCoreApplication::translate("ScoreReport", "错误:") + sp + QString::number(wrongCount) + sp + QCoreApplication::translate("ScoreReport", "个字！");
    r.accuracy = QCoreApplication::translate("ScoreReport", "正确率:") + sp +
                 (n > 0 ? QString::number(100.0 * rightCount / static_cast<double>(n), 'f', 1) + QLatin1Char('%')
                        : QCoreApplication::translate("ScoreReport", "没有输入"));
    r.time = QCoreApplication::translate("ScoreReport", "用时:") + sp + QString::number(r.minutes) + QCoreApplication::translate("ScoreReport", "分") + QString::number(r.seconds) +
             QCoreApplication::translate("ScoreReport", "秒！");
    if (r.minutes < 1) r.minutes = 1;
    if (r.seconds >= 30) r.minutes += 1;
    r.minutes = r.hourMinutes + r.minutes;
    r.speed = static_cast<int>(n / r.minutes);
    r.speedText = QCoreApplication::translate("ScoreReport", "成绩:") + sp + QString::number(r.speed) + QCoreApplication::translate("ScoreReport", "个/分钟！");
    const QString head = QCoreApplication::translate("ScoreReport", "评价:") + sp;
    if (r.speed <= 0)
        r.rating = head + QCoreApplication::translate("ScoreReport", "你真糟糕,一个字也打不出来!");
    else if (r.speed <= 30)
        r.rating = head + QCoreApplication::translate("ScoreReport", "继续努力！");
    else if (r.speed <= 50)
        r.rating = head + QCoreApplication::translate("ScoreReport", "好！");
    else if (r.speed <= 60)
        r.rating = head + QCoreApplication::translate("ScoreReport", "良好！");
    else if (r.speed <= 100)
        r.rating = head + QCoreApplication::translate("ScoreReport", "优秀！");
    else
        r.rating = head + QCoreApplication::translate("ScoreReport", "高手！");
    if (wrongCount >= 20) r.rating = head + QCoreApplication::translate("ScoreReport", "有太多的错误，应该继续练习！");
    r.ratingWords = r.rating.mid(head.size());
    r.showSpeedAndRating = withSpeed;
    return r;
}
