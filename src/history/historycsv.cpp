#include "history/historycsv.h"

#include "history/kinds.h"


namespace history {

namespace {
const QByteArray kBom("\xEF\xBB\xBF");

QString line(const QStringList& fields) {
    QStringList out;
    out.reserve(fields.size());
    for (const QString& f : fields) out << csvField(f);
    return out.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

// Text a spreadsheet would run as a formula (a typed "=" or "-" key, a title) gets a
// leading apostrophe, so opening the file never evaluates anything.
QString text(const QString& t) {
    if (!t.isEmpty() && QStringLiteral("=+-@\t\r").contains(t.front())) return QLatin1Char('\'') + t;
    return t;
}

QString isoTime(const QDateTime& t) {
    // Local time with its offset, also where the value was read as UTC.
    return t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate);
}
}  // namespace

QString csvField(const QString& f) {
    static const QString special = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (QChar c : f)
        if (special.contains(c)) quote = true;
    if (!quote) return f;
    QString q = f;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString accuracyText(const Session& s) {
    if (s.typed <= 0) return {};
    return QString::number(100.0 * s.right / s.typed, 'f', 1);
}

QByteArray sessionsCsv(const QList<Session>& sessions) {
    QString out = line({QStringLiteral("id"), QStringLiteral("started_at"), QStringLiteral("kind"),
                        QStringLiteral("kind_name"), QStringLiteral("title"), QStringLiteral("typed"),
                        QStringLiteral("right"), QStringLiteral("wrong"), QStringLiteral("seconds"),
                        QStringLiteral("per_minute"), QStringLiteral("accuracy_percent"), QStringLiteral("rating"),
                        QStringLiteral("learner")});
    for (const Session& s : sessions) {
        out += line({QString::number(s.id), isoTime(s.startedAt), text(s.kind), text(kindName(s.kind)),
                     text(s.title), QString::number(s.typed), QString::number(s.right), QString::number(s.wrong),
                     QString::number(s.seconds),
                     hasSpeed(s.kind) ? QString::number(s.perMinute) : QString(), accuracyText(s), text(s.rating),
                     text(s.learner)});
    }
    return kBom + out.toUtf8();
}

QByteArray missesCsv(const QList<Session>& sessions) {
    QString out = line({QStringLiteral("session_id"), QStringLiteral("started_at"), QStringLiteral("kind"),
                        QStringLiteral("unit"), QStringLiteral("expected"), QStringLiteral("typed"),
                        QStringLiteral("count"), QStringLiteral("learner")});
    for (const Session& s : sessions) {
        for (const Miss& m : s.misses) {
            out += line({QString::number(s.id), isoTime(s.startedAt), text(s.kind), text(m.unit), text(m.expected),
                         text(m.typed), QString::number(m.count), text(s.learner)});
        }
    }
    return kBom + out.toUtf8();
}

}  // namespace history
