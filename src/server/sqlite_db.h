// SPDX-License-Identifier: GPL-3.0-or-later
// Thin RAII wrappers over the SQLite C interface: a connection, prepared
// statements bound by position, and a transaction that rolls back unless
// committed. Every failure throws StoreError with SQLite's message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "server/catalogue_store.h"

struct sqlite3;
struct sqlite3_stmt;

namespace pentad::server {

class SqliteDb {
public:
    // Opens (and creates when missing) the database file.
    explicit SqliteDb(const std::string& path);
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    // Runs one or more statements without results.
    void exec(const char* sql);
    // The value of a pragma (or any single-value query) as an integer.
    int64_t queryInt(const char* sql);
    int64_t lastInsertId() const;
    int changes() const;
    sqlite3* handle() const { return m_db; }

    [[noreturn]] void fail(const char* what) const;

private:
    sqlite3* m_db = nullptr;
};

// A statement prepared once and reused; each use goes through a Query.
class Statement {
public:
    Statement(SqliteDb& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

private:
    friend class Query;
    SqliteDb& m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// One execution of a statement: bind (positions from 1), step, read
// columns (from 0). Resets the statement and its bindings when it ends.
class Query {
public:
    explicit Query(Statement& statement);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Query& bind(int index, int64_t value);
    Query& bind(int index, std::string_view value);

    // Next row: true when there is one.
    bool step();
    // Runs a statement without results. False when it broke a UNIQUE
    // constraint; every other failure throws.
    bool run();

    int64_t integer(int column) const;
    std::string text(int column) const;

private:
    Statement& m_statement;
};

class Transaction {
public:
    explicit Transaction(SqliteDb& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    SqliteDb& m_db;
    bool m_open = true;
};

}  // namespace pentad::server
