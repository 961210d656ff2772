#include "ToolFixtures.h"

#include "Membinarystreamformat.h"

#include <QBuffer>
#include <QProcess>
#include <optional>

ToolResult runTarvoTable(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TARVO_TABLE_PROGRAM), args);
    ToolResult result;
    if (!process.waitForStarted() || !process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

namespace {

void addAppointment(TMemTable& t, const std::optional<TDateTime>& giorno,
                    const std::optional<TDateTime>& ora, const char* commento,
                    const char* descrizione, std::optional<int> importanza, const char* preavviso,
                    std::optional<bool> inviaMail, const char* mail)
{
    t.Append();
    if (giorno)
        t.FieldByName("Giorno").SetAsDateTime(*giorno);
    if (ora)
        t.FieldByName("Ora").SetAsDateTime(*ora);
    const auto setText = [&t](const char* field, const char* text) {
        if (text)
            t.FieldByName(field).SetAsString(QString::fromUtf8(text));
    };
    setText("Commento", commento);
    setText("Descrizione", descrizione);
    if (importanza)
        t.FieldByName("Importanza").SetAsInteger(*importanza);
    setText("Preavviso", preavviso);
    if (inviaMail)
        t.FieldByName("InviaMail").SetAsBoolean(*inviaMail);
    setText("Mail", mail);
    t.Post();
}

} // namespace

std::unique_ptr<TMemTable> agendaTable()
{
    auto t = std::make_unique<TMemTable>(QStringLiteral("TabellaAgenda"));
    t->AddFieldDef("Giorno", ftDate);
    t->AddFieldDef("Ora", ftTime);
    t->AddFieldDef("Commento", ftString, 256);
    t->AddFieldDef("Descrizione", ftString, 1024);
    t->AddFieldDef("Importanza", ftInteger);
    t->AddFieldDef("Preavviso", ftString, 5);
    t->AddFieldDef("InviaMail", ftBoolean);
    t->AddFieldDef("Mail", ftString, 32);
    t->Open();
    using datetime::encodeDate;
    using datetime::encodeTime;
    addAppointment(*t, encodeDate(2004, 12, 26), encodeTime(17, 45, 30), "Saldi in centro",
                   "Sconto del 50% sul \"cappotto\"\r\nseconda riga\tfine \\ ok", 0, nullptr, false,
                   nullptr);
    addAppointment(*t, encodeDate(2004, 12, 25), encodeTime(9, 30), "Natale",
                   "Pranzo dalla nonna: è tradizione, costa 20 €", 2, "00.15", true,
                   "mario.rossi@example.it");
    addAppointment(*t, encodeDate(2004, 12, 25), encodeTime(8, 5), "", "a\x01z", 1, "", false, "");
    addAppointment(*t, std::nullopt, std::nullopt, "Senza data", nullptr, std::nullopt, nullptr,
                   std::nullopt, nullptr);
    return t;
}

std::unique_ptr<TMemTable> contactsTable()
{
    auto t = std::make_unique<TMemTable>(QStringLiteral("TabellaRubrica"));
    const char* strings[][2] = {
        {"Denominazione", "64"}, {"Cognome", "32"},         {"Nome", "32"},
        {"CodiceFiscale", "16"}, {"PartitaIVA", "16"},      {"Indirizzo", "32"},
        {"Citta", "32"},         {"Provincia", "2"},        {"CAP", "5"},
        {"Nazione", "16"},       {"Cellulare1", "16"},      {"Cellulare2", "16"},
        {"TelefonoCasa", "16"},  {"TelefonoUfficio", "16"}, {"Fax", "16"},
        {"Mail1", "32"},         {"Mail2", "32"},
    };
    for (const auto& [name, size] : strings)
        t->AddFieldDef(name, ftString, QByteArray(size).toInt());
    t->AddFieldDef("Grado", ftInteger);
    t->AddFieldDef("Note", ftString, 2048);
    t->IndexDefs().push_back({QStringLiteral("TabellaRubricaIndexDenominazione"),
                              QStringLiteral("Denominazione"),
                              {ixPrimary, ixUnique}});
    t->SetSortOptions({mtcoCaseInsensitive});
    t->Open();
    // "BETA" and "beta" differ only in case: distinct for the unique index, equal when a sort
    // ignores case.
    const char* people[][3] = {{"Zeta", "Zanardi", "Zeno"},
                               {"BETA", "Rossi", "Anna"},
                               {"alfa", "Rossi", "Mario"},
                               {"beta", "Bianchi", "Luca"}};
    for (const auto& [denominazione, cognome, nome] : people) {
        t->Append();
        t->FieldByName("Denominazione").SetAsString(QString::fromUtf8(denominazione));
        t->FieldByName("Cognome").SetAsString(QString::fromUtf8(cognome));
        t->FieldByName("Nome").SetAsString(QString::fromUtf8(nome));
        t->Post();
    }
    return t;
}

std::unique_ptr<TMemTable> otherTypesTable()
{
    auto t = std::make_unique<TMemTable>(QStringLiteral("Altro"));
    t->AddFieldDef("Prezzo", ftCurrency);
    t->AddFieldDef("Peso", ftFloat);
    t->AddFieldDef("Quando", ftDateTime);
    t->AddFieldDef("Quantita", ftSmallint);
    t->AddFieldDef("Testo", ftMemo);
    t->Open();
    t->Append();
    t->FieldByName("Prezzo").SetAsFloat(12.3456);
    t->FieldByName("Peso").SetAsFloat(1.0 / 3.0);
    t->FieldByName("Quando").SetAsDateTime(datetime::encodeDate(2004, 12, 25) + 0.5);
    t->FieldByName("Quantita").SetAsInteger(-5);
    t->FieldByName("Testo").SetAsString(QStringLiteral("riga uno\nriga due"));
    t->Post();
    t->Append();
    t->FieldByName("Prezzo").SetAsFloat(-0.5);
    t->FieldByName("Peso").SetAsFloat(1e300);
    t->Post();
    return t;
}

namespace {

// The settings of the data module's SaveFormat, stated here on their own so that a tool that
// reads its files otherwise is caught.
void configureSaveFormat(TBinaryStreamFormat& format)
{
    TStreamFormatSettings& s = format.Settings;
    s = TStreamFormatSettings{};
    s.sfUsingIndex.Save = true;
    s.sfData = {true, true};
    s.sfNonVisible = {true, true};
    s.sfBlobs = {true, true};
    s.sfDef = {true, true};
    s.sfIndexDef = {true, true};
    s.sfFiltered.Save = true;
    s.sfIgnoreRange.Save = true;
    s.sfIgnoreMasterDetail.Save = true;
    s.sfFieldKind.Save = true;
    s.sfFromStart.Load = true;
    format.SetBufferSize(16384);
}

} // namespace

void saveTable(TMemTable& table, const QString& path)
{
    TBinaryStreamFormat format;
    configureSaveFormat(format);
    table.SaveToFileViaFormat(path, &format);
}

QByteArray tableFileBytes(TMemTable& table)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TBinaryStreamFormat format;
    configureSaveFormat(format);
    table.SaveToStreamViaFormat(buffer, &format);
    return bytes;
}
