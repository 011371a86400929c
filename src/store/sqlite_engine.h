#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

// The database engine under the profile database: SQLite through Qt SQL, with what the program's
// statements expect of it.
//
// Every connection has the functions UCase (upper case of a text, Unicode-aware) and DateValue
// (the date part of a stored date and time, "yyyy-MM-dd"), and enforces foreign keys, so that the
// cascades delete a learner's rows with the learner. Commits reach the disk before they return.

enum class ConnectionMode {
    Shared,    // other connections may use the file at the same time
    Exclusive, // keeps every other connection, of this process or another, out until it closes
};

// Opens a connection of the given name on an existing database file. On failure the connection is
// removed again and error holds a text for the learner.
bool OpenDatabaseConnection(const QString &connectionName, const QString &path, ConnectionMode mode,
                            QString *error);
// Closes and forgets the named connection. Every query on it must be gone.
void CloseDatabaseConnection(const QString &connectionName);

// Makes a new, empty database file; false with error's text when it cannot.
bool CreateEmptyDatabaseFile(const QString &path, QString *error);

// The date and time as the database stores them: text that sorts in time order.
QString DatabaseDateTime(const QDateTime &moment);
QDateTime DateTimeFromDatabase(const QVariant &stored);
