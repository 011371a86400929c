#include "post_store.h"

#include <sqlite3.h>

#include <chrono>
#include <ctime>

namespace {

// The moment, local time, as text that sorts in time order.
std::string now()
{
    const auto moment = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(moment.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    const size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    std::snprintf(text + length, sizeof text - length, ".%03d", static_cast<int>(millis));
    return text;
}

class Statement
{
public:
    Statement(sqlite3 *db, const char *sql) { sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr); }
    ~Statement() { sqlite3_finalize(m_statement); }
    sqlite3_stmt *get() const { return m_statement; }
    void bind(int index, const std::string &text)
    {
        sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }

private:
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace

PostStore::~PostStore()
{
    sqlite3_close(m_db);
}

bool PostStore::exec(const char *statement, std::string *error)
{
    char *message = nullptr;
    if (sqlite3_exec(m_db, statement, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    *error = message ? message : sqlite3_errmsg(m_db);
    sqlite3_free(message);
    return false;
}

bool PostStore::open(const std::string &path, std::string *error)
{
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        *error = m_db ? sqlite3_errmsg(m_db) : "cannot open";
        return false;
    }
    sqlite3_busy_timeout(m_db, 5000);
    return exec("PRAGMA synchronous = FULL;"
                "CREATE TABLE IF NOT EXISTS posts (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                "received TEXT NOT NULL, script TEXT NOT NULL, remote TEXT);"
                "CREATE TABLE IF NOT EXISTS fields (post_id INTEGER NOT NULL REFERENCES posts (id), "
                "position INTEGER NOT NULL, name TEXT NOT NULL, value TEXT NOT NULL);",
                error);
}

bool PostStore::store(const std::string &script, const std::string &remote, const FormFields &fields,
                      std::string *error)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (!exec("BEGIN IMMEDIATE", error))
        return false;
    bool stored = false;
    {
        Statement post(m_db, "INSERT INTO posts (received, script, remote) VALUES (?, ?, ?)");
        post.bind(1, now());
        post.bind(2, script);
        post.bind(3, remote);
        stored = sqlite3_step(post.get()) == SQLITE_DONE;
        const sqlite3_int64 id = sqlite3_last_insert_rowid(m_db);
        Statement field(m_db, "INSERT INTO fields (post_id, position, name, value) VALUES (?, ?, ?, ?)");
        for (size_t i = 0; stored && i < fields.size(); ++i) {
            sqlite3_reset(field.get());
            sqlite3_bind_int64(field.get(), 1, id);
            sqlite3_bind_int64(field.get(), 2, static_cast<sqlite3_int64>(i));
            field.bind(3, fields[i].first);
            field.bind(4, fields[i].second);
            stored = sqlite3_step(field.get()) == SQLITE_DONE;
        }
    }
    if (!stored) {
        *error = sqlite3_errmsg(m_db);
        exec("ROLLBACK", error);
        return false;
    }
    return exec("COMMIT", error);
}
