#pragma once

#include "AgendaData.h"
#include "Timing.h"

#include <string>

struct sqlite3;

// SQLite's side: the same rows in a file database with an index on (day, time).
namespace sqliteside {

struct Row
{
    std::int32_t giorno, ora;
    std::string commento, descrizione;
    int importanza;
    std::string preavviso;
    bool inviaMail;
    std::string mail;
};

std::string version();

// Creates the database file (replacing it) and inserts every row in one transaction.
void insert(const Agenda& agenda, const std::string& path);
// Reads every row ordered by day and time into memory; gives the number of rows.
std::size_t readOrdered(const std::string& path);

class Connection
{
public:
    explicit Connection(const std::string& path);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    PerCall locate(const Agenda& agenda, std::size_t calls, double budget, std::uint64_t seed,
                   std::size_t* misses);
    PerCall fillDays(const std::vector<std::int32_t>& days, double budget, std::size_t* records);
    PerCall countMonths(const std::vector<std::int32_t>& firstDays, double budget,
                        std::size_t* records);

private:
    sqlite3* m_db = nullptr;
};

} // namespace sqliteside
