#include "history/schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace history::schema {

namespace {

QStringList stepsTo(int v, Engine engine) {
    const QString key = engine == Engine::Sqlite ? QStringLiteral("INTEGER PRIMARY KEY")
                                                 : QStringLiteral("BIGSERIAL PRIMARY KEY");
    switch (v) {
    case 1:
        return {
            QStringLiteral("CREATE TABLE IF NOT EXISTS meta (name TEXT PRIMARY KEY, value INTEGER NOT NULL)"),
            QStringLiteral("CREATE TABLE sessions (id %1, started_at TEXT NOT NULL, kind TEXT NOT NULL, "
                           "title TEXT NOT NULL, typed INTEGER NOT NULL, right_count INTEGER NOT NULL, "
                           "wrong_count INTEGER NOT NULL, seconds INTEGER NOT NULL, per_minute INTEGER NOT NULL, "
                           "rating TEXT NOT NULL)")
                .arg(key),
            QStringLiteral("CREATE TABLE misses (session_id BIGINT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE, "
                           "unit TEXT NOT NULL, expected TEXT NOT NULL, typed TEXT NOT NULL, count INTEGER NOT NULL)"),
            QStringLiteral("CREATE INDEX misses_session ON misses (session_id)"),
            QStringLiteral("CREATE INDEX sessions_kind ON sessions (kind, id)"),
        };
    case 2:
        return {
            QStringLiteral("ALTER TABLE sessions ADD COLUMN learner TEXT NOT NULL DEFAULT ''"),
            QStringLiteral("CREATE INDEX sessions_learner ON sessions (learner, kind, id)"),
        };
    default:
        return {};
    }
}

bool fail(QString* error, const QSqlQuery& q) {
    if (error) *error = q.lastError().text();
    return false;
}

}  // namespace

int version(QSqlDatabase& db, QString* error) {
    QSqlQuery q(db);
    // The meta table may not exist yet: look it up rather than provoke an error, which
    // would end an open PostgreSQL transaction.
    const bool sqlite = db.driverName() == QLatin1String("QSQLITE");
    if (!q.exec(sqlite ? QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'meta'")
                       : QStringLiteral("SELECT count(*) FROM information_schema.tables "
                                        "WHERE table_schema = current_schema() AND table_name = 'meta'")) ||
        !q.next()) {
        fail(error, q);
        return -1;
    }
    if (q.value(0).toInt() == 0) return 0;
    if (!q.exec(QStringLiteral("SELECT value FROM meta WHERE name = 'schema'"))) {
        fail(error, q);
        return -1;
    }
    return q.next() ? q.value(0).toInt() : 0;
}

bool migrate(QSqlDatabase& db, Engine engine, int target, QString* error) {
    QSqlQuery q(db);
    if (engine == Engine::Sqlite) {
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) return fail(error, q);
    } else {
        if (!q.exec(QStringLiteral("BEGIN"))) return fail(error, q);
        // Held until the end of the transaction: a second copy waits, then finds the work done.
        if (!q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(4014)"))) {
            fail(error, q);
            q.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    auto rollback = [&](const QString& why) {
        if (error) *error = why;
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    QString why;
    const int from = version(db, &why);
    if (from < 0) return rollback(why);
    for (int v = from + 1; v <= target; ++v) {
        for (const QString& sql : stepsTo(v, engine))
            if (!q.exec(sql)) return rollback(q.lastError().text());
        q.prepare(v == 1 ? QStringLiteral("INSERT INTO meta (name, value) VALUES ('schema', ?)")
                         : QStringLiteral("UPDATE meta SET value = ? WHERE name = 'schema'"));
        q.addBindValue(v);
        if (!q.exec()) return rollback(q.lastError().text());
    }
    if (!q.exec(QStringLiteral("COMMIT"))) return rollback(q.lastError().text());
    return true;
}

}  // namespace history::schema
