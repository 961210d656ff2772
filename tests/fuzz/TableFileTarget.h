#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

// A fault the reader must never show, found by checkTableFile beyond crashes and sanitizer
// reports: a table that walks differently from its count, or a file of the table's own that
// does not read back the same.
class FuzzFinding : public std::logic_error
{
public:
    using std::logic_error::logic_error;
};

struct CheckOutcome
{
    bool loaded = false;
    std::string refusal; // the store's message when the file was refused
};

// Loads the bytes as a table file into a fresh table through the data module's format, then
// uses the table the way the organiser would. The store's own errors are the expected answer to
// a bad file and come back in the outcome; FuzzFinding and any other exception propagate.
CheckOutcome checkTableFile(const std::uint8_t* data, std::size_t size);
