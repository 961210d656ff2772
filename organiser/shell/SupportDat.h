#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Support.dat: random bytes of this installation, from which the key protecting the SMTP
// password is derived. Written once at the first start and never changed afterwards.

QString percorsoSupportDat();

// Creates Support.dat when it is missing, seeded from the clock; raises EFileError when it
// cannot be written.
void CreaSupportDat();

// The content of a new Support.dat for a seed: n = 1024 + (random mod 512) values, each
// 50 + (random mod 23654), as 32-bit little-endian integers.
QByteArray contenutoSupportDat(std::uint32_t seed);
