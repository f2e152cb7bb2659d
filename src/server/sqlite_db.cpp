// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/sqlite_db.h"

#include <sqlite3.h>

namespace pentad::server {

SqliteDb::SqliteDb(const std::string& path) {
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        std::string message = m_db != nullptr ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw StoreError("cannot open \"" + path + "\": " + message);
    }
    sqlite3_extended_result_codes(m_db, 1);
}

SqliteDb::~SqliteDb() { sqlite3_close(m_db); }

void SqliteDb::fail(const char* what) const {
    throw StoreError(std::string(what) + ": " + sqlite3_errmsg(m_db));
}

void SqliteDb::exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error != nullptr ? error : "unknown error";
        sqlite3_free(error);
        throw StoreError(message);
    }
}

int64_t SqliteDb::queryInt(const char* sql) {
    Statement statement(*this, sql);
    Query query(statement);
    return query.step() ? query.integer(0) : 0;
}

int64_t SqliteDb::lastInsertId() const { return sqlite3_last_insert_rowid(m_db); }

int SqliteDb::changes() const { return sqlite3_changes(m_db); }

Statement::Statement(SqliteDb& db, const char* sql) : m_db(db) {
    if (sqlite3_prepare_v3(db.handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr) !=
        SQLITE_OK) {
        db.fail("prepare");
    }
}

Statement::~Statement() { sqlite3_finalize(m_stmt); }

Query::Query(Statement& statement) : m_statement(statement) {}

Query::~Query() {
    sqlite3_reset(m_statement.m_stmt);
    sqlite3_clear_bindings(m_statement.m_stmt);
}

Query& Query::bind(int index, int64_t value) {
    if (sqlite3_bind_int64(m_statement.m_stmt, index, value) != SQLITE_OK) {
        m_statement.m_db.fail("bind");
    }
    return *this;
}

Query& Query::bind(int index, std::string_view value) {
    if (sqlite3_bind_text64(m_statement.m_stmt, index, value.data(), value.size(),
                            SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK) {
        m_statement.m_db.fail("bind");
    }
    return *this;
}

bool Query::step() {
    int rc = sqlite3_step(m_statement.m_stmt);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc != SQLITE_DONE) {
        m_statement.m_db.fail("step");
    }
    return false;
}

bool Query::run() {
    int rc = sqlite3_step(m_statement.m_stmt);
    if (rc == SQLITE_DONE || rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY) {
        return false;
    }
    m_statement.m_db.fail("step");
}

int64_t Query::integer(int column) const {
    return sqlite3_column_int64(m_statement.m_stmt, column);
}

std::string Query::text(int column) const {
    const auto* data = sqlite3_column_text(m_statement.m_stmt, column);
    int size = sqlite3_column_bytes(m_statement.m_stmt, column);
    return data != nullptr ? std::string(reinterpret_cast<const char*>(data),
                                         static_cast<size_t>(size))
                           : std::string();
}

Transaction::Transaction(SqliteDb& db) : m_db(db) { m_db.exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
    if (m_open) {
        try {
            m_db.exec("ROLLBACK");
        } catch (const StoreError&) {
            // the transaction is gone already; nothing more to undo
        }
    }
}

void Transaction::commit() {
    m_db.exec("COMMIT");
    m_open = false;
}

}  // namespace pentad::server
