#pragma once

#include <cstdio>

class TMemTable;

// Writes the open table as one JSON object: its fields, its index definitions and its records
// in the order of the current index. False when the output could not be written.
bool writeTableJson(const TMemTable& table, std::FILE* out);
