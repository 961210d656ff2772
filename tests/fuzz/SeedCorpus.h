#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

struct SeedFile
{
    QString name;
    QByteArray bytes;
};

// Valid table files to start mutating from: tables written by the store itself (appointments,
// contacts with their unique index, the rarer field types) and files laid out as the older
// writers did (versions 100 to 250), which the store reads but never writes.
std::vector<SeedFile> seedFiles();
