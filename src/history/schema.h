#pragma once
// The history tables and their versions. Every step runs on SQLite and PostgreSQL alike;
// only the type of the session key differs.
#include <QString>

class QSqlDatabase;

namespace history::schema {

enum class Engine { Sqlite, Postgres };

// Version 1: sessions and misses. Version 2: sessions.learner, for a class server.
constexpr int kCurrent = 2;

// The version the database is at; 0 for an empty one, -1 when it cannot be read.
int version(QSqlDatabase& db, QString* error = nullptr);

// Brings the database up to `target` in one locked transaction, so that two copies
// starting together migrate once. A database already at or beyond it is left alone.
bool migrate(QSqlDatabase& db, Engine engine, int target, QString* error = nullptr);

}  // namespace history::schema
