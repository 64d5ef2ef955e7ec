#pragma once
// The history as comma-separated values for spreadsheets: UTF-8 with a byte-order mark,
// CR LF line ends, fields quoted where they hold a comma, a quote or a line break.
#include "history/historystore.h"

#include <QByteArray>

namespace history {

// One field as it stands in a line.
QString csvField(const QString& text);

// Right / typed as a percentage with one decimal ("97.5"); empty when nothing was typed.
QString accuracyText(const Session& s);

// A header line and one line per session, in the order given.
QByteArray sessionsCsv(const QList<Session>& sessions);
// A header line and one line per miss of each session (the session's misses filled).
QByteArray missesCsv(const QList<Session>& sessions);

}  // namespace history
