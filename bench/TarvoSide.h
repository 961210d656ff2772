#pragma once

#include "AgendaData.h"
#include "Timing.h"

#include <QString>
#include <memory>

class TMemTable;

// The record store's side of the comparison, used the way the organiser uses TabellaAgenda.
namespace tarvoside {

std::unique_ptr<TMemTable> makeTable(const Agenda& agenda);
void save(TMemTable& table, const QString& path);
std::unique_ptr<TMemTable> load(const QString& path);
void sort(TMemTable& table);

// Locate on "Giorno;Ora" with existing keys, picked at random.
PerCall locate(TMemTable& table, const Agenda& agenda, std::size_t calls, double budget,
               std::uint64_t seed, std::size_t* misses);
// A day's list as the day view fills it: Locate on "Giorno", then every field of every record
// read with Next while Giorno is still that day. Counts the records read.
PerCall fillDays(TMemTable& table, const std::vector<std::int32_t>& days, double budget,
                 std::size_t* records);
// The month view: for each of 30 days, Locate on "Giorno" and count the day's appointments by
// importance.
PerCall countMonths(TMemTable& table, const std::vector<std::int32_t>& firstDays, double budget,
                    std::size_t* records);

} // namespace tarvoside
