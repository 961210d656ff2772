#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One appointment, with its texts both as the table stores them (Windows-1252) and as SQLite
// does (UTF-8), so that neither side pays for a conversion the other does not.
struct Appointment
{
    std::int32_t day;  // days since 30/12/1899
    std::int32_t msec; // after midnight, never 0: a midnight time would read back null
    int importanza;    // 0 normal, 1 important, 2 urgent
    bool inviaMail;
    std::string commento, descrizione, preavviso, mail; // Windows-1252
    std::string commentoUtf8, descrizioneUtf8;          // the other two are plain ASCII
};

struct Agenda
{
    std::vector<Appointment> rows; // ordered by day and time, as the organiser saves them
    std::vector<std::int32_t> days;
};

// An agenda of `count` appointments: a few hundred a day on consecutive days, distinct times
// within a day, Italian subjects of about 30 bytes and descriptions of about 150.
Agenda makeAgenda(std::size_t count, std::uint64_t seed);
