#include "QtPrinters.h"

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i > 0)
            *os << ", ";
        PrintTo(list[i], os);
    }
    *os << '}';
}

void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    // Printable text as text, anything else as hex, so both CSV lines and table files read well.
    bool printable = true;
    for (char c : bytes)
        if ((c < 0x20 || c > 0x7e) && c != '\r' && c != '\n')
            printable = false;
    if (printable)
        *os << '"' << QByteArray(bytes).replace("\r", "\\r").replace("\n", "\\n").toStdString()
            << '"';
    else
        *os << "[" << bytes.size() << " bytes] " << bytes.toHex(' ').toStdString();
}
