#pragma once

#include "form_decoding.h"

#include <mutex>
#include <string>

struct sqlite3;

// Keeps every form the site receives in an SQLite file: when it came, to which script, and each
// field in its order. A form is on disk before store() returns.
class PostStore
{
public:
    PostStore() = default;
    ~PostStore();
    PostStore(const PostStore &) = delete;
    PostStore &operator=(const PostStore &) = delete;

    // Opens or creates the file; false with error's text when it cannot.
    bool open(const std::string &path, std::string *error);
    bool store(const std::string &script, const std::string &remote, const FormFields &fields,
               std::string *error);

private:
    bool exec(const char *statement, std::string *error);

    sqlite3 *m_db = nullptr;
    std::mutex m_mutex;
};
