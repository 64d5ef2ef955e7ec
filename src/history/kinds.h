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
        {QStringLiteral("radicals"), QStringLiteral("字根练习")},
        {QStringLiteral("chinese"), QStringLiteral("中文练习")},
        {QStringLiteral("chinese-adaptive"), QCoreApplication::translate("history", "中文智能练习")},
        {QStringLiteral("english"), QStringLiteral("英文练习")},
        {QStringLiteral("english-adaptive"), QCoreApplication::translate("history", "英文智能练习")},
        {QStringLiteral("chinese-test"), QStringLiteral("中文测试")},
        {QStringLiteral("english-test"), QStringLiteral("英文测试")},
        {QStringLiteral("vocabulary"), QStringLiteral("背单词")},
        {QStringLiteral("weak-chars"), QStringLiteral("薄弱字练习")},
        {QStringLiteral("weak-radicals"), QStringLiteral("薄弱字根练习")},
        {QStringLiteral("weak-words"), QStringLiteral("薄弱单词练习")},
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
    return kind != QLatin1String("vocabulary") && kind != QLatin1String("weak-words");
}

}  // namespace history
