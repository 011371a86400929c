#include "store/sqlite_engine.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QtEndian>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

// A shared connection waits this long for another copy of the program to finish writing; the
// upgrade waits a little for copies that are reading or writing at the moment it starts.
constexpr int sharedBusyTimeoutMs = 3000;
constexpr int exclusiveBusyTimeoutMs = 1000;
// Marks files made by the program.
constexpr int applicationId = 0x53616D76; // "Samv"

void upperCase(sqlite3_context *context, int, sqlite3_value **values)
{
    if (sqlite3_value_type(values[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *chars = static_cast<const QChar *>(sqlite3_value_text16(values[0]));
    const int bytes = sqlite3_value_bytes16(values[0]);
    const QString upper = QString(chars, bytes / 2).toUpper();
    sqlite3_result_text16(context, upper.utf16(), static_cast<int>(upper.size() * 2),
                          SQLITE_TRANSIENT);
}

void dateValue(sqlite3_context *context, int, sqlite3_value **values)
{
    if (sqlite3_value_type(values[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(values[0]));
    const int bytes = sqlite3_value_bytes(values[0]);
    sqlite3_result_text(context, text, std::min(bytes, 10), SQLITE_TRANSIENT);
}

sqlite3 *handleOf(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

bool registerFunctions(const QSqlDatabase &db)
{
    sqlite3 *handle = handleOf(db);
    if (!handle)
        return false;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_function_v2(handle, "UCase", 1, flags, nullptr, upperCase, nullptr,
                                      nullptr, nullptr) == SQLITE_OK
        && sqlite3_create_function_v2(handle, "DateValue", 1, flags, nullptr, dateValue, nullptr,
                                      nullptr, nullptr) == SQLITE_OK;
}

// The header of a database file tells its page size and length in pages; a file shorter than that
// has lost its end.
bool looksComplete(const QString &path, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = file.errorString();
        return false;
    }
    if (file.size() == 0) {
        *problem = u"файл \"%1\" пуст и не является базой данных"_s.arg(path);
        return false;
    }
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith("SQLite format 3")) {
        *problem = u"файл \"%1\" не является базой данных"_s.arg(path);
        return false;
    }
    qint64 pageSize = qFromBigEndian<quint16>(header.constData() + 16);
    if (pageSize == 1)
        pageSize = 65536;
    const qint64 pages = qFromBigEndian<quint32>(header.constData() + 28);
    const bool pagesValid =
        qFromBigEndian<quint32>(header.constData() + 24) == qFromBigEndian<quint32>(header.constData() + 92);
    if (pagesValid && pages > 0 && file.size() < pageSize * pages) {
        *problem = u"файл \"%1\" повреждён: он короче, чем база данных в нём"_s.arg(path);
        return false;
    }
    return true;
}

bool run(QSqlDatabase &db, const QString &statement, QString *error)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    *error = query.lastError().text();
    return false;
}

QString busyText(const QString &engineText)
{
    if (engineText.contains(u"locked"_s) || engineText.contains(u"busy"_s))
        return u"база профилей занята другой копией программы (%1)"_s.arg(engineText);
    return engineText;
}

} // namespace

bool OpenDatabaseConnection(const QString &connectionName, const QString &path, ConnectionMode mode,
                            QString *error)
{
    if (!QFileInfo::exists(path)) {
        *error = u"Файл базы данных \"%1\" не найден"_s.arg(path);
        return false;
    }
    if (!looksComplete(path, error))
        return false;

    bool opened = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connectionName);
        // Opened as an address so that the engine never makes a new file in place of a missing one.
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + u"?mode=rw"_s);
        db.setConnectOptions(u"QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1"_s.arg(
            mode == ConnectionMode::Shared ? sharedBusyTimeoutMs : exclusiveBusyTimeoutMs));
        if (!db.open()) {
            *error = db.lastError().text();
        } else if (!registerFunctions(db)) {
            *error = u"не удалось подготовить соединение с базой данных"_s;
        } else if (run(db, u"PRAGMA foreign_keys = ON"_s, error)
                   && run(db, u"PRAGMA synchronous = FULL"_s, error)
                   && run(db, u"PRAGMA cache_size = -16384"_s, error)
                   // Reading the schema is where a file that is not a database shows itself.
                   && run(db, u"SELECT count(*) FROM sqlite_master"_s, error)) {
            opened = mode == ConnectionMode::Shared
                || (run(db, u"PRAGMA locking_mode = EXCLUSIVE"_s, error)
                    && run(db, u"BEGIN EXCLUSIVE"_s, error) && run(db, u"COMMIT"_s, error));
        }
        if (!opened) {
            *error = busyText(*error);
            db.close();
        }
    }
    if (!opened)
        QSqlDatabase::removeDatabase(connectionName);
    return opened;
}

void CloseDatabaseConnection(const QString &connectionName)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

bool CreateEmptyDatabaseFile(const QString &path, QString *error)
{
    if (QFileInfo::exists(path)) {
        *error = u"файл \"%1\" уже существует"_s.arg(path);
        return false;
    }
    const QString connectionName = u"samvidra-create"_s;
    bool created = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connectionName);
        db.setDatabaseName(path);
        if (!db.open())
            *error = db.lastError().text();
        // Writing the program's mark gives the file its header, so that it is a database even
        // before it has a table.
        else
            created = run(db, u"PRAGMA application_id = %1"_s.arg(applicationId), error);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!created)
        QFile::remove(path);
    return created;
}

QString DatabaseDateTime(const QDateTime &moment)
{
    return moment.toString(u"yyyy-MM-dd HH:mm:ss.zzz"_s);
}

QDateTime DateTimeFromDatabase(const QVariant &stored)
{
    const QString text = stored.toString();
    QDateTime moment = QDateTime::fromString(text, u"yyyy-MM-dd HH:mm:ss.zzz"_s);
    if (!moment.isValid())
        moment = QDateTime::fromString(text, Qt::ISODateWithMs);
    return moment;
}
