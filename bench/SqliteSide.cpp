#include "SqliteSide.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <sqlite3.h>
#include <vector>

namespace sqliteside {

namespace {

[[noreturn]] void fail(sqlite3* db, const char* what)
{
    std::fprintf(stderr, "SQLite: %s: %s\n", what, db ? sqlite3_errmsg(db) : "no connection");
    std::exit(1);
}

void check(int rc, sqlite3* db, const char* what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        fail(db, what);
}

sqlite3* open(const std::string& path, int flags)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK)
        fail(db, "open");
    return db;
}

sqlite3_stmt* prepare(sqlite3* db, const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    check(sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr), db, sql);
    return stmt;
}

void exec(sqlite3* db, const char* sql)
{
    check(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), db, sql);
}

std::string text(sqlite3_stmt* stmt, int column)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return p ? std::string(p, std::size_t(sqlite3_column_bytes(stmt, column))) : std::string();
}

} // namespace

std::string version()
{
    return sqlite3_libversion();
}

void insert(const Agenda& agenda, const std::string& path)
{
    std::remove(path.c_str());
    sqlite3* db = open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    exec(db, "CREATE TABLE agenda (giorno INTEGER NOT NULL, ora INTEGER NOT NULL, "
             "commento TEXT, descrizione TEXT, importanza INTEGER, preavviso TEXT, "
             "invia_mail INTEGER, mail TEXT)");
    exec(db, "CREATE INDEX agenda_giorno_ora ON agenda (giorno, ora)");
    exec(db, "BEGIN");
    sqlite3_stmt* stmt = prepare(db, "INSERT INTO agenda VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    for (const Appointment& a : agenda.rows) {
        sqlite3_bind_int(stmt, 1, a.day);
        sqlite3_bind_int(stmt, 2, a.msec);
        sqlite3_bind_text(stmt, 3, a.commentoUtf8.data(), int(a.commentoUtf8.size()),
                          SQLITE_STATIC);
        sqlite3_bind_text(stmt, 4, a.descrizioneUtf8.data(), int(a.descrizioneUtf8.size()),
                          SQLITE_STATIC);
        sqlite3_bind_int(stmt, 5, a.importanza);
        sqlite3_bind_text(stmt, 6, a.preavviso.data(), int(a.preavviso.size()), SQLITE_STATIC);
        sqlite3_bind_int(stmt, 7, a.inviaMail);
        sqlite3_bind_text(stmt, 8, a.mail.data(), int(a.mail.size()), SQLITE_STATIC);
        check(sqlite3_step(stmt), db, "insert");
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    exec(db, "COMMIT");
    sqlite3_close(db);
}

std::size_t readOrdered(const std::string& path)
{
    sqlite3* db = open(path, SQLITE_OPEN_READONLY);
    sqlite3_stmt* stmt =
        prepare(db, "SELECT giorno, ora, commento, descrizione, importanza, preavviso, "
                    "invia_mail, mail FROM agenda ORDER BY giorno, ora");
    std::vector<Row> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        rows.push_back({sqlite3_column_int(stmt, 0), sqlite3_column_int(stmt, 1), text(stmt, 2),
                        text(stmt, 3), sqlite3_column_int(stmt, 4), text(stmt, 5),
                        sqlite3_column_int(stmt, 6) != 0, text(stmt, 7)});
    check(rc, db, "ordered read");
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows.size();
}

Connection::Connection(const std::string& path) : m_db(open(path, SQLITE_OPEN_READONLY)) {}

Connection::~Connection()
{
    sqlite3_close(m_db);
}

PerCall Connection::locate(const Agenda& agenda, std::size_t calls, double budget,
                           std::uint64_t seed, std::size_t* misses)
{
    std::mt19937_64 rng(seed);
    std::vector<const Appointment*> keys;
    for (std::size_t i = 0; i < calls; ++i)
        keys.push_back(&agenda.rows[rng() % agenda.rows.size()]);
    sqlite3_stmt* stmt = prepare(m_db, "SELECT rowid FROM agenda WHERE giorno = ?1 AND ora = ?2");
    *misses = 0;
    const PerCall result = timePerCall(calls, budget, [&](std::size_t i) {
        sqlite3_bind_int(stmt, 1, keys[i]->day);
        sqlite3_bind_int(stmt, 2, keys[i]->msec);
        if (sqlite3_step(stmt) != SQLITE_ROW)
            ++*misses;
        sqlite3_reset(stmt);
    });
    sqlite3_finalize(stmt);
    return result;
}

PerCall Connection::fillDays(const std::vector<std::int32_t>& days, double budget,
                             std::size_t* records)
{
    sqlite3_stmt* stmt =
        prepare(m_db, "SELECT giorno, ora, commento, descrizione, importanza, preavviso, "
                      "invia_mail, mail FROM agenda WHERE giorno = ?1 ORDER BY ora");
    std::vector<Row> list;
    *records = 0;
    const PerCall result = timePerCall(days.size(), budget, [&](std::size_t i) {
        list.clear();
        sqlite3_bind_int(stmt, 1, days[i]);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            list.push_back({sqlite3_column_int(stmt, 0), sqlite3_column_int(stmt, 1), text(stmt, 2),
                            text(stmt, 3), sqlite3_column_int(stmt, 4), text(stmt, 5),
                            sqlite3_column_int(stmt, 6) != 0, text(stmt, 7)});
        sqlite3_reset(stmt);
        *records += list.size();
    });
    sqlite3_finalize(stmt);
    return result;
}

PerCall Connection::countMonths(const std::vector<std::int32_t>& firstDays, double budget,
                                std::size_t* records)
{
    sqlite3_stmt* stmt = prepare(
        m_db, "SELECT importanza, COUNT(*) FROM agenda WHERE giorno = ?1 GROUP BY importanza");
    *records = 0;
    const PerCall result = timePerCall(firstDays.size(), budget, [&](std::size_t i) {
        for (int d = 0; d < 30; ++d) {
            sqlite3_bind_int(stmt, 1, firstDays[i] + d);
            while (sqlite3_step(stmt) == SQLITE_ROW)
                *records += std::size_t(sqlite3_column_int(stmt, 1));
            sqlite3_reset(stmt);
        }
    });
    sqlite3_finalize(stmt);
    return result;
}

} // namespace sqliteside
