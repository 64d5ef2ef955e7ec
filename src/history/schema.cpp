#include "history/schema.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <algorithm>

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
    case 3:
        return {
            QStringLiteral("ALTER TABLE sessions ADD COLUMN uid TEXT"),
            QStringLiteral("ALTER TABLE sessions ADD COLUMN outbox TEXT"),
            QStringLiteral("CREATE UNIQUE INDEX sessions_uid ON sessions (uid)"),
        };
    case 4:
        // With a default, so that an older version still adds rows.
        return {QStringLiteral("ALTER TABLE sessions ADD COLUMN scheme TEXT NOT NULL DEFAULT 'wubi86'")};
    case 5:
        // learner is empty in a local file (one learner's own) and the login on a server.
        return {
            QStringLiteral("CREATE TABLE reviews (learner TEXT NOT NULL DEFAULT '', unit TEXT NOT NULL, "
                           "item TEXT NOT NULL, due TEXT NOT NULL, interval_days INTEGER NOT NULL, "
                           "ease REAL NOT NULL, passes INTEGER NOT NULL, lapses INTEGER NOT NULL, "
                           "PRIMARY KEY (learner, unit, item))"),
            QStringLiteral("CREATE INDEX reviews_due ON reviews (learner, due)"),
        };
    case 6:
        return {
            QStringLiteral("CREATE TABLE tallies (session_id BIGINT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE, "
                           "unit TEXT NOT NULL, item TEXT NOT NULL, count INTEGER NOT NULL)"),
            QStringLiteral("CREATE INDEX tallies_session ON tallies (session_id)"),
        };
    default:
        return {};
    }
}

bool fail(QString* error, const QSqlQuery& q) {
    if (error) *error = q.lastError().text();
    return false;
}

struct Column {
    QString name;
    bool required = false;  // NOT NULL without a default: every insert must name it
};

bool tableNames(QSqlDatabase& db, Engine engine, QStringList* names, QString* error) {
    QSqlQuery q(db);
    if (!q.exec(engine == Engine::Sqlite
                    ? QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'")
                    : QStringLiteral("SELECT table_name FROM information_schema.tables "
                                     "WHERE table_schema = current_schema()")))
        return fail(error, q);
    while (q.next()) names->append(q.value(0).toString());
    return true;
}

bool columns(QSqlDatabase& db, Engine engine, const QString& table, QList<Column>* out, QString* error) {
    QSqlQuery q(db);
    if (engine == Engine::Sqlite) {
        // The table name is one of ours, never user text.
        if (!q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table))) return fail(error, q);
        // cid, name, type, notnull, dflt_value, pk
        while (q.next())
            out->append({q.value(1).toString(), q.value(3).toInt() != 0 && q.value(4).isNull() && q.value(5).toInt() == 0});
        return true;
    }
    if (!q.prepare(QStringLiteral("SELECT column_name, is_nullable, column_default FROM information_schema.columns "
                                  "WHERE table_schema = current_schema() AND table_name = ?")))
        return fail(error, q);
    q.addBindValue(table);
    if (!q.exec()) return fail(error, q);
    while (q.next())
        out->append({q.value(0).toString(), q.value(1).toString() == QLatin1String("NO") && q.value(2).isNull()});
    return true;
}

// The columns this version writes, by table, for a database at version v.
QStringList needed(const QString& table, int v) {
    if (table == QLatin1String("misses"))
        return {QStringLiteral("session_id"), QStringLiteral("unit"), QStringLiteral("expected"),
                QStringLiteral("typed"), QStringLiteral("count")};
    QStringList c{QStringLiteral("id"),          QStringLiteral("started_at"), QStringLiteral("kind"),
                  QStringLiteral("title"),       QStringLiteral("typed"),      QStringLiteral("right_count"),
                  QStringLiteral("wrong_count"), QStringLiteral("seconds"),    QStringLiteral("per_minute"),
                  QStringLiteral("rating")};
    if (v >= 2) c << QStringLiteral("learner");
    if (v >= 3) c << QStringLiteral("uid") << QStringLiteral("outbox");
    if (v >= 4) c << QStringLiteral("scheme");
    return c;
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

bool inspect(QSqlDatabase& db, Engine engine, Found* found, QString* error) {
    *found = Found{};
    QStringList tables;
    if (!tableNames(db, engine, &tables, error)) return false;
    const bool hasMeta = tables.contains(QLatin1String("meta"));
    found->hasReviews = tables.contains(QLatin1String("reviews"));
    found->hasTallies = tables.contains(QLatin1String("tallies"));
    const bool hasOurs = tables.contains(QLatin1String("sessions")) || tables.contains(QLatin1String("misses"));
    auto notOurs = [&](const QString& why) {
        found->state = Found::NotOurs;
        found->why = why;
        return true;
    };
    if (!hasMeta && !hasOurs) {
        // A server's database may hold other tables beside ours; a file is ours alone.
        if (engine == Engine::Sqlite && !tables.isEmpty())
            return notOurs(QCoreApplication::translate("history", "其中是别的程序的表（%1），不是本程序的成绩记录").arg(tables.join(QCoreApplication::translate("history", "、"))));
        return true;
    }
    QList<Column> metaColumns;
    if (!columns(db, engine, QStringLiteral("meta"), &metaColumns, error)) return false;
    const auto named = [](const QList<Column>& cs, const QString& n) {
        return std::any_of(cs.begin(), cs.end(), [&](const Column& c) { return c.name == n; });
    };
    if (!hasMeta || !named(metaColumns, QStringLiteral("name")) || !named(metaColumns, QStringLiteral("value")))
        return notOurs(QCoreApplication::translate("history", "其中的表不是本程序建的（没有本程序的版本标记）"));
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name, value FROM meta"))) return fail(error, q);
    int writableBy = -1;
    found->version = -1;
    while (q.next()) {
        if (q.value(0).toString() == QLatin1String("schema")) found->version = q.value(1).toInt();
        if (q.value(0).toString() == QLatin1String("writable_by")) writableBy = q.value(1).toInt();
    }
    if (found->version < 0) return notOurs(QCoreApplication::translate("history", "其中的表不是本程序建的（没有本程序的版本标记）"));
    if (writableBy < 0) writableBy = found->version;
    found->state = Found::Ours;
    if (found->version > kCurrent && writableBy > kCurrent) {
        found->state = Found::ReadOnly;
        found->why = QCoreApplication::translate("history", "它由本程序较新的版本写入（数据版本%1，这一版是%2），这一版只读取，不写入").arg(found->version).arg(kCurrent);
    }
    for (const QString& table : {QStringLiteral("sessions"), QStringLiteral("misses")}) {
        QList<Column> have;
        if (!columns(db, engine, table, &have, error)) return false;
        // A newer version may have changed anything: reading says what is missing.
        if (have.isEmpty() && found->state == Found::Ours) {
            found->state = Found::Broken;
            found->why = QCoreApplication::translate("history", "它不完整：缺少 %1 表").arg(table);
            return true;
        }
        if (table == QLatin1String("sessions")) {
            found->hasLearner = named(have, QStringLiteral("learner"));
            found->hasOutbox = named(have, QStringLiteral("outbox"));
            found->hasScheme = named(have, QStringLiteral("scheme"));
        }
        QStringList missing;
        for (const QString& n : needed(table, std::min(found->version, kCurrent)))
            if (!named(have, n)) missing << n;
        if (!missing.isEmpty() && found->state == Found::Ours) {
            found->state = Found::Broken;
            found->why = QCoreApplication::translate("history", "它不完整：%1 表缺少 %2 列").arg(table, missing.join(QCoreApplication::translate("history", "、")));
            return true;
        }
        const QStringList known = needed(table, kCurrent);
        for (const Column& c : have)
            if (c.required && !known.contains(c.name) && found->state == Found::Ours) {
                found->state = Found::ReadOnly;
                found->why = QCoreApplication::translate("history", "它的 %1 表有这一版不会填写的列 %2，这一版只读取，不写入").arg(table, c.name);
            }
    }
    return true;
}

QString classSetupSql() {
    QStringList out{QStringLiteral("-- Jaxo4.00: classroom rights on a PostgreSQL server, schema version %1.").arg(kCurrent),
                    QStringLiteral("-- Run once as the database's owner, e.g.  jaxo --print-class-schema | psql -d jaxo"),
                    QStringLiteral("-- Then for each learner:  CREATE ROLE <login name> LOGIN IN ROLE jaxo_learner;"),
                    QStringLiteral("-- and for each teacher:   CREATE ROLE <login name> LOGIN IN ROLE jaxo_teacher;"),
                    QStringLiteral("BEGIN;")};
    // Our tables as the program makes them, each step safe to run on tables already there.
    static const QRegularExpression create(QStringLiteral("^CREATE (UNIQUE )?(TABLE|INDEX) (?!IF)"));
    for (int v = 1; v <= kCurrent; ++v)
        for (QString sql : stepsTo(v, Engine::Postgres)) {
            sql.replace(create, QStringLiteral("CREATE \\1\\2 IF NOT EXISTS "));
            sql.replace(QStringLiteral(" ADD COLUMN "), QStringLiteral(" ADD COLUMN IF NOT EXISTS "));
            out << sql + QLatin1Char(';');
        }
    out << QStringLiteral("INSERT INTO meta (name, value) VALUES ('schema', %1), ('writable_by', %2) "
                          "ON CONFLICT (name) DO UPDATE SET value = GREATEST(meta.value, excluded.value);")
               .arg(kCurrent)
               .arg(kWritableBy);
    out << QStringLiteral(R"(DO $$ BEGIN
  IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'jaxo_learner') THEN CREATE ROLE jaxo_learner NOLOGIN; END IF;
  IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'jaxo_teacher') THEN CREATE ROLE jaxo_teacher NOLOGIN; END IF;
END $$;
GRANT SELECT ON meta TO jaxo_learner, jaxo_teacher;
GRANT SELECT, INSERT ON sessions, misses, tallies TO jaxo_learner;
GRANT UPDATE (outbox) ON sessions TO jaxo_learner;
GRANT USAGE ON SEQUENCE sessions_id_seq TO jaxo_learner;
GRANT SELECT ON sessions, misses, tallies TO jaxo_teacher;
GRANT SELECT, INSERT, UPDATE ON reviews TO jaxo_learner;
GRANT SELECT ON reviews TO jaxo_teacher;
ALTER TABLE sessions ENABLE ROW LEVEL SECURITY;
ALTER TABLE misses ENABLE ROW LEVEL SECURITY;
ALTER TABLE tallies ENABLE ROW LEVEL SECURITY;
ALTER TABLE reviews ENABLE ROW LEVEL SECURITY;
DROP POLICY IF EXISTS learner_own ON sessions;
DROP POLICY IF EXISTS teacher_all ON sessions;
DROP POLICY IF EXISTS learner_own ON misses;
DROP POLICY IF EXISTS teacher_all ON misses;
CREATE POLICY learner_own ON sessions TO jaxo_learner
  USING (learner = session_user) WITH CHECK (learner = session_user);
CREATE POLICY teacher_all ON sessions FOR SELECT TO jaxo_teacher USING (true);
CREATE POLICY learner_own ON misses TO jaxo_learner
  USING (EXISTS (SELECT 1 FROM sessions s WHERE s.id = session_id AND s.learner = session_user))
  WITH CHECK (EXISTS (SELECT 1 FROM sessions s WHERE s.id = session_id AND s.learner = session_user));
CREATE POLICY teacher_all ON misses FOR SELECT TO jaxo_teacher USING (true);
DROP POLICY IF EXISTS learner_own ON tallies;
DROP POLICY IF EXISTS teacher_all ON tallies;
CREATE POLICY learner_own ON tallies TO jaxo_learner
  USING (EXISTS (SELECT 1 FROM sessions s WHERE s.id = session_id AND s.learner = session_user))
  WITH CHECK (EXISTS (SELECT 1 FROM sessions s WHERE s.id = session_id AND s.learner = session_user));
CREATE POLICY teacher_all ON tallies FOR SELECT TO jaxo_teacher USING (true);
DROP POLICY IF EXISTS learner_own ON reviews;
DROP POLICY IF EXISTS teacher_all ON reviews;
CREATE POLICY learner_own ON reviews TO jaxo_learner
  USING (learner = session_user) WITH CHECK (learner = session_user);
CREATE POLICY teacher_all ON reviews FOR SELECT TO jaxo_teacher USING (true);
COMMIT;)");
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
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
        if (!q.prepare(v == 1 ? QStringLiteral("INSERT INTO meta (name, value) VALUES ('schema', ?)")
                              : QStringLiteral("UPDATE meta SET value = ? WHERE name = 'schema'")))
            return rollback(q.lastError().text());
        q.addBindValue(v);
        if (!q.exec()) return rollback(q.lastError().text());
    }
    if (from < target) {
        for (const QString& sql : {QStringLiteral("DELETE FROM meta WHERE name = 'writable_by'"),
                                   QStringLiteral("INSERT INTO meta (name, value) VALUES ('writable_by', %1)").arg(kWritableBy)})
            if (!q.exec(sql)) return rollback(q.lastError().text());
    }
    if (!q.exec(QStringLiteral("COMMIT"))) return rollback(q.lastError().text());
    return true;
}

}  // namespace history::schema
