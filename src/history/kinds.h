#pragma once
// The exercise kinds a session is recorded under, with the names the learner sees.
#include <QCoreApplication>
#include <QList>
#include <QString>

namespace history {

struct KindName {
    QString kind;
    QString name;
};

// Every kind, in the order of the tool bar; the practices built from the misses last.
inline const QList<KindName>& kindNames() {
    static const QList<KindName> all = {
        {QStringLiteral("radicals"), QCoreApplication::translate("HistoryKind", "字根练习")},
        {QStringLiteral("scheme-keys"), QCoreApplication::translate("HistoryKind", "键位练习")},
        {QStringLiteral("chinese"), QCoreApplication::translate("HistoryKind", "中文练习")},
        {QStringLiteral("chinese-adaptive"), QCoreApplication::translate("HistoryKind", "中文智能练习")},
        {QStringLiteral("english"), QCoreApplication::translate("HistoryKind", "英文练习")},
        {QStringLiteral("english-adaptive"), QCoreApplication::translate("HistoryKind", "英文智能练习")},
        {QStringLiteral("chinese-test"), QCoreApplication::translate("HistoryKind", "中文测试")},
        {QStringLiteral("english-test"), QCoreApplication::translate("HistoryKind", "英文测试")},
        {QStringLiteral("vocabulary"), QCoreApplication::translate("HistoryKind", "背单词")},
        {QStringLiteral("weak-chars"), QCoreApplication::translate("HistoryKind", "薄弱字练习")},
        {QStringLiteral("weak-radicals"), QCoreApplication::translate("HistoryKind", "薄弱字根练习")},
        {QStringLiteral("weak-words"), QCoreApplication::translate("HistoryKind", "薄弱单词练习")},
        {QStringLiteral("review-chars"), QCoreApplication::translate("HistoryKind", "复习汉字")},
        {QStringLiteral("review-keys"), QCoreApplication::translate("HistoryKind", "复习按键")},
        {QStringLiteral("review-words"), QCoreApplication::translate("HistoryKind", "复习单词")},
        {QStringLiteral("own-chinese"), QCoreApplication::translate("HistoryKind", "自定义中文练习")},
        {QStringLiteral("own-english"), QCoreApplication::translate("HistoryKind", "自定义英文练习")},
        {QStringLiteral("own-words"), QCoreApplication::translate("HistoryKind", "自定义单词表")},
    };
    return all;
}

// The learner's name of a kind; an unknown kind (a newer program wrote it) as it stands.
inline QString kindName(const QString& kind) {
    for (const KindName& k : kindNames())
        if (k.kind == kind) return k.name;
    return kind;
}

}  // namespace history

namespace history {

// Whether the kind's report shows a speed: the word drills' do not, so their rows
// have no speed to show or chart.
inline bool hasSpeed(const QString& kind) {
    return kind != QLatin1String("vocabulary") && kind != QLatin1String("weak-words") &&
           kind != QLatin1String("review-words") && kind != QLatin1String("own-words");
}

}  // namespace history
