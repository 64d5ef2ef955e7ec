#pragma once
// The history tables and their versions. Every step runs on SQLite and PostgreSQL alike;
// only the type of the session key differs.
//
// Compatibility rule: meta holds 'schema' (the version that last migrated the tables)
// and 'writable_by' (the oldest version that may still add rows: a version that only
// adds tables, or columns with a default, keeps it; one that adds a column without a
// default or renames one raises it to itself). A file at a newer version whose
// 'writable_by' is above ours is read, never written; a database whose tables are not
// ours is neither.
#include <QString>

class QSqlDatabase;

namespace history::schema {

enum class Engine { Sqlite, Postgres };

// Version 1: sessions and misses. Version 2: sessions.learner, for a class server.
// Version 3: sessions.uid (unique), so that a session sent twice is kept once, and
// sessions.outbox, the server a row recorded during an outage still has to reach.
// Version 4: sessions.scheme, the input scheme the session was typed in (older rows: Wubi).
// Version 5: reviews, the spaced-review schedule of each missed character, key and word
// (a table of its own, so older versions still add rows).
// Version 6: tallies, how often each character, key, radical or word was asked for in a
// session, so that misses can be told as rates (a table of its own, like reviews).
constexpr int kCurrent = 6;
// The oldest version that can add rows to a database at kCurrent.
constexpr int kWritableBy = 1;

// The version the database is at; 0 for an empty one, -1 when it cannot be read.
int version(QSqlDatabase& db, QString* error = nullptr);

// What a database holds, looked at without writing to it.
struct Found {
    enum State {
        Fresh,     // none of our tables: ours to set up
        Ours,      // our tables, at a version this program may write
        ReadOnly,  // ours, but written by a newer version that this one may not write into
        Broken,    // ours by its meta table, but a table or column we need is missing
        NotOurs,   // tables of some other program
    } state = Fresh;
    int version = 0;
    bool hasLearner = true;  // sessions.learner is there (version 2 on)
    bool hasOutbox = true;   // sessions.outbox is there (version 3 on)
    bool hasScheme = true;   // sessions.scheme is there (version 4 on)
    bool hasReviews = true;  // the reviews table is there (version 5 on)
    bool hasTallies = true;  // the tallies table is there (version 6 on)
    QString why;             // for ReadOnly, Broken and NotOurs: what was found
};

// Looks the database over. False (and the SQL error) when it cannot even be read.
bool inspect(QSqlDatabase& db, Engine engine, Found* found, QString* error);

// The SQL a database owner runs once to give a class its rights on a PostgreSQL
// server: our tables at kCurrent, the group roles jaxo_learner (each learner's own
// login role is made a member) and jaxo_teacher, and row-level security so that a
// learner reads and adds only rows of their own, and a teacher reads every row.
QString classSetupSql();

// Brings the database up to `target` in one locked transaction, so that two copies
// starting together migrate once. A database already at or beyond it is left alone.
bool migrate(QSqlDatabase& db, Engine engine, int target, QString* error = nullptr);

}  // namespace history::schema
