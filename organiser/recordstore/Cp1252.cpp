#include "Cp1252.h"

#include <array>

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 control of the same
// value, as Windows itself does, so every byte survives a round trip.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < High.size(); ++i) {
        if (High[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

namespace cp1252 {

QByteArray fromUnicode(QStringView text)
{
    QByteArray out;
    out.resize(text.size());
    char* p = out.data();
    for (QChar ch : text)
        *p++ = encodeOne(ch.unicode());
    return out;
}

QString toUnicode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *p++ = QChar((u >= 0x80 && u < 0xA0) ? High[u - 0x80] : char16_t(u));
    }
    return out;
}

void toUtf16(QByteArrayView bytes, std::u16string& out)
{
    out.resize(bytes.size());
    char16_t* p = out.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *p++ = (u >= 0x80 && u < 0xA0) ? High[u - 0x80] : char16_t(u);
    }
}

} // namespace cp1252
