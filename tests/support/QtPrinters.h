#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure messages for Qt values in GoogleTest assertions (found by argument lookup).
void PrintTo(const QString& text, std::ostream* os);
void PrintTo(const QStringList& list, std::ostream* os);
void PrintTo(const QByteArray& bytes, std::ostream* os);
