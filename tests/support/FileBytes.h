#pragma once

#include <QByteArray>
#include <QString>
#include <string>

// Whole-file access and hex views for byte-exact comparisons.

// The file's bytes; an empty array when it cannot be read (the test then fails on the content).
QByteArray readFileBytes(const QString& path);
// Replaces the file with the given bytes; false when it cannot be written.
bool writeFileBytes(const QString& path, const QByteArray& bytes);

// A dump of 16 bytes per line with the offset in front ("0000  54 50 46 30 ..."): comparing two
// dumps with EXPECT_EQ shows the differing lines.
std::string hexDump(const QByteArray& bytes);
// Bytes of a dump in the same layout; a leading offset column on each line is skipped, so a
// dump can be pasted as is. Lines without an offset ("06 04 44 61") are read too.
QByteArray bytesFromDump(const char* dump);
// "54 50 46 30": the bytes as spaced hex on one line.
std::string hexBytes(const QByteArray& bytes);
