#include "SeedCorpus.h"

#include "Membinarystreamformat.h"
#include "Memcsvstreamformat.h"
#include "Memtable.h"

#include <QBuffer>
#include <bit>
#include <cstdint>

namespace {

QByteArray saveToBytes(TMemTable& table)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TBinaryStreamFormat format;
    table.SaveToStreamViaFormat(buffer, &format);
    return bytes;
}

QByteArray agendaFile()
{
    TMemTable t(QStringLiteral("TabellaAgenda"));
    t.AddFieldDef("Giorno", ftDate);
    t.AddFieldDef("Ora", ftTime);
    t.AddFieldDef("Commento", ftString, 256);
    t.AddFieldDef("Descrizione", ftString, 1024);
    t.AddFieldDef("Importanza", ftInteger);
    t.AddFieldDef("Preavviso", ftString, 5);
    t.AddFieldDef("InviaMail", ftBoolean);
    t.AddFieldDef("Mail", ftString, 32);
    t.Open();
    struct Row
    {
        int day, hour, minute;
        const char* commento;
        QString descrizione;
        int importanza;
        const char* preavviso;
        bool mail;
    };
    const Row rows[] = {
        {25, 9, 30, "Natale", QStringLiteral("Pranzo dalla nonna: è tradizione, 20 €"), 2, "00.15",
         true},
        {25, 16, 0, "Dentista", QString(300, u'x'), 1, "01.00", false},
        {26, 0, 0, "", QString(), 0, "", false},
        {27, 23, 59, "Saldi \"invernali\"", QStringLiteral("riga\r\nriga"), 0, nullptr, false},
    };
    for (const Row& r : rows) {
        t.Append();
        t.FieldByName("Giorno").SetAsDateTime(datetime::encodeDate(2004, 12, r.day));
        t.FieldByName("Ora").SetAsDateTime(datetime::encodeTime(r.hour, r.minute));
        t.FieldByName("Commento").SetAsString(QString::fromUtf8(r.commento));
        if (!r.descrizione.isNull())
            t.FieldByName("Descrizione").SetAsString(r.descrizione);
        t.FieldByName("Importanza").SetAsInteger(r.importanza);
        if (r.preavviso)
            t.FieldByName("Preavviso").SetAsString(QString::fromUtf8(r.preavviso));
        t.FieldByName("InviaMail").SetAsBoolean(r.mail);
        if (r.mail)
            t.FieldByName("Mail").SetAsString(QStringLiteral("mario.rossi@example.it"));
        t.Post();
    }
    t.SortOn(QStringLiteral("Giorno;Ora"), {});
    return saveToBytes(t);
}

QByteArray contactsFile()
{
    TMemTable t(QStringLiteral("TabellaRubrica"));
    t.AddFieldDef("Denominazione", ftString, 64);
    t.AddFieldDef("Cognome", ftString, 32);
    t.AddFieldDef("Nome", ftString, 32);
    t.AddFieldDef("Grado", ftInteger);
    t.AddFieldDef("Note", ftString, 2048);
    t.IndexDefs().push_back({QStringLiteral("TabellaRubricaIndexDenominazione"),
                             QStringLiteral("Denominazione"),
                             {ixPrimary, ixUnique}});
    t.SetSortOptions({mtcoCaseInsensitive});
    t.Open();
    const char* names[][3] = {
        {"Zeta srl", "Zanardi", "Zeno"}, {"alfa", "Rossi", "Mario"}, {"Beta", "Rossi", "Anna"}};
    for (const auto& [denominazione, cognome, nome] : names) {
        t.Append();
        t.FieldByName("Denominazione").SetAsString(QString::fromUtf8(denominazione));
        t.FieldByName("Cognome").SetAsString(QString::fromUtf8(cognome));
        t.FieldByName("Nome").SetAsString(QString::fromUtf8(nome));
        t.FieldByName("Grado").SetAsInteger(3);
        t.Post();
    }
    t.SortOn(QStringLiteral("Denominazione;Cognome;Nome"), t.SortOptions());
    return saveToBytes(t);
}

QByteArray otherTypesFile()
{
    TMemTable t(QStringLiteral("Altro"));
    t.AddFieldDef("Prezzo", ftCurrency);
    t.AddFieldDef("Peso", ftFloat);
    t.AddFieldDef("Quando", ftDateTime);
    t.AddFieldDef("Piccolo", ftSmallint);
    t.AddFieldDef("Parola", ftWord);
    t.AddFieldDef("Contatore", ftAutoInc);
    t.AddFieldDef("Importo", ftBCD);
    t.AddFieldDef("Testo", ftMemo);
    t.AddFieldDef("Dati", ftBlob);
    t.IndexDefs().push_back({QStringLiteral("PerPeso"),
                             QStringLiteral("Peso;Piccolo"),
                             {ixDescending, ixCaseInsensitive}});
    t.Open();
    for (int i = 0; i < 3; ++i) {
        t.Append();
        t.FieldByName("Prezzo").SetAsFloat(12.3456 * i);
        t.FieldByName("Peso").SetAsFloat(i == 2 ? -1e300 : 1.0 / 3.0 + i);
        t.FieldByName("Quando").SetAsDateTime(38346.75 + i);
        t.FieldByName("Piccolo").SetAsInteger(-5 * i);
        t.FieldByName("Parola").SetAsInteger(65535 - i);
        t.FieldByName("Contatore").SetAsInteger(i + 1);
        t.FieldByName("Importo").SetAsFloat(0.5 * i);
        t.FieldByName("Testo").SetAsString(QStringLiteral("riga uno\nriga due"));
        t.FieldByName("Dati").SetAsBytes(QByteArray("\x00\x01\xff", 3));
        t.Post();
    }
    return saveToBytes(t);
}

// Tagged values written by hand, for the layouts the store no longer writes.
class Tags
{
public:
    Tags& raw(const QByteArray& b)
    {
        m_bytes += b;
        return *this;
    }
    Tags& integer(std::int64_t v)
    {
        if (v >= -128 && v <= 127)
            return tag(0x02).little(v, 1);
        if (v >= -32768 && v <= 32767)
            return tag(0x03).little(v, 2);
        return tag(0x04).little(v, 4);
    }
    Tags& string(const QByteArray& s)
    {
        if (s.size() <= 255)
            tag(0x06).little(s.size(), 1);
        else
            tag(0x0C).little(s.size(), 4);
        return raw(s);
    }
    Tags& boolean(bool v) { return tag(v ? 0x09 : 0x08); }
    Tags& begin() { return tag(0x01); }
    Tags& end() { return tag(0x00); }
    // The double widened to the x87 80-bit layout.
    Tags& number(double v)
    {
        tag(0x05);
        const auto bits = std::bit_cast<std::uint64_t>(v);
        const unsigned sign = unsigned(bits >> 63);
        int exponent = int((bits >> 52) & 0x7ff);
        std::uint64_t mantissa = bits & ((std::uint64_t(1) << 52) - 1);
        if (exponent == 0 && mantissa == 0)
            return little(0, 8).little(std::int64_t(sign) << 15, 2);
        int exp80;
        if (exponent == 0x7ff) {
            exp80 = 0x7fff;
            mantissa = (std::uint64_t(1) << 63) | (mantissa << 11);
        } else {
            int e = exponent - 1023;
            if (exponent == 0) { // subnormal: make the leading bit explicit
                e = -1022;
                while (!(mantissa & (std::uint64_t(1) << 52))) {
                    mantissa <<= 1;
                    --e;
                }
            } else {
                mantissa |= std::uint64_t(1) << 52;
            }
            mantissa <<= 11;
            exp80 = e + 16383;
        }
        little(std::int64_t(mantissa), 8);
        return little(std::int64_t((sign << 15) | unsigned(exp80)), 2);
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    Tags& tag(int t)
    {
        m_bytes += char(t);
        return *this;
    }
    Tags& little(std::int64_t v, int count)
    {
        for (int i = 0; i < count; ++i)
            m_bytes += char((std::uint64_t(v) >> (8 * i)) & 0xff);
        return *this;
    }
    QByteArray m_bytes;
};

// A notes table as a writer of the given version laid it out: 100 has no version number, no
// kind names, no reserved strings, no index list, no record lists and no null flags; 200 adds
// the index list, 230 the record lists with a status (and older versions of a record), 249 the
// null flags, 250 the kind names.
QByteArray legacyFile(int version)
{
    struct Field
    {
        const char* name;
        const char* type;
        int size;
    };
    const Field fields[] = {{"Data", "Date", 0},
                            {"Commento", "String", 256},
                            {"Priorita", "Integer", 0},
                            {"Fatto", "Boolean", 0},
                            {"Ora", "Time", 0}};
    Tags t;
    t.raw("TPF0");
    if (version != 100)
        t.integer(version);
    t.begin();
    for (const Field& f : fields) {
        t.string(f.name).string(f.type).integer(f.size).string(f.name).string("");
        t.integer(f.size ? f.size : 10).boolean(false).boolean(false);
        if (version >= 250)
            t.string("Data");
        if (version >= 251)
            t.string("");
    }
    t.end();
    if (version >= 200) {
        t.begin();
        t.string("IndiceData").string("Data;Priorita").string("IndiceData");
        t.boolean(version % 2 == 1).boolean(true).boolean(false).boolean(false);
        t.end();
    }
    const auto values = [&](double day, const QByteArray& text, int priority, bool done,
                            double time, bool nullText) {
        const auto value = [&](bool isNull) {
            if (version >= 249)
                t.boolean(isNull);
            return !isNull || version < 249;
        };
        if (value(day == 0))
            t.number(day);
        if (value(nullText))
            t.string(text);
        if (value(false))
            t.integer(priority);
        if (value(false))
            t.boolean(done);
        if (value(time == 0))
            t.number(time);
    };
    t.begin();
    const QByteArray longText(300, 'a');
    for (int r = 0; r < 3; ++r) {
        if (version >= 230)
            t.begin().integer(r == 1 ? 2 : 0);
        values(38346 + r, r == 2 ? longText : QByteArray("Natale \xe8 \x80"), r * 100, r == 1,
               0.25 * r, r == 0 && version >= 249);
        if (version >= 230 && r == 1) {
            t.integer(1); // an older version of the record follows
            values(38000, "prima", 1, false, 0.5, false);
        }
        if (version >= 230)
            t.end();
    }
    t.end();
    return t.bytes();
}

} // namespace

std::vector<SeedFile> seedFiles()
{
    std::vector<SeedFile> seeds = {
        {QStringLiteral("agenda.dat"), agendaFile()},
        {QStringLiteral("contacts.rbr"), contactsFile()},
        {QStringLiteral("other-types.dat"), otherTypesFile()},
    };
    for (int version : {100, 200, 230, 249, 250, 251})
        seeds.push_back({QStringLiteral("version-%1.dat").arg(version), legacyFile(version)});
    return seeds;
}
