#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every stored text is Windows-1252; the interface works in Unicode.
// These two functions are the only crossing between the two.
namespace cp1252 {

// Characters that Windows-1252 cannot hold become '?'.
QByteArray fromUnicode(QStringView text);
QString toUnicode(QByteArrayView bytes);

// Decodes into a caller-owned buffer (no allocation once the buffer is large enough).
void toUtf16(QByteArrayView bytes, std::u16string& out);

} // namespace cp1252
