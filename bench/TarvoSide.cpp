#include "TarvoSide.h"

#include "Membinarystreamformat.h"
#include "Memcsvstreamformat.h"
#include "Memtable.h"

#include <random>

namespace tarvoside {

namespace {

constexpr double MsecsPerDay = 86400000.0;

// One entry of the day view's list.
struct DayEntry
{
    TDateTime ora;
    QString commento, descrizione, preavviso, mail;
    int importanza;
    bool inviaMail;
};

} // namespace

std::unique_ptr<TMemTable> makeTable(const Agenda& agenda)
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
    TField& giorno = t->FieldByName("Giorno");
    TField& ora = t->FieldByName("Ora");
    TField& commento = t->FieldByName("Commento");
    TField& descrizione = t->FieldByName("Descrizione");
    TField& importanza = t->FieldByName("Importanza");
    TField& preavviso = t->FieldByName("Preavviso");
    TField& inviaMail = t->FieldByName("InviaMail");
    TField& mail = t->FieldByName("Mail");
    const auto bytes = [](const std::string& s) {
        return QByteArray::fromRawData(s.data(), qsizetype(s.size()));
    };
    for (const Appointment& a : agenda.rows) {
        t->Append();
        giorno.SetAsDateTime(a.day);
        ora.SetAsDateTime(a.msec / MsecsPerDay);
        commento.SetAsBytes(bytes(a.commento));
        descrizione.SetAsBytes(bytes(a.descrizione));
        importanza.SetAsInteger(a.importanza);
        preavviso.SetAsBytes(bytes(a.preavviso));
        inviaMail.SetAsBoolean(a.inviaMail);
        mail.SetAsBytes(bytes(a.mail));
        t->Post();
    }
    return t;
}

void save(TMemTable& table, const QString& path)
{
    TBinaryStreamFormat format;
    table.SaveToFileViaFormat(path, &format);
}

std::unique_ptr<TMemTable> load(const QString& path)
{
    auto t = std::make_unique<TMemTable>(QStringLiteral("TabellaAgenda"));
    TBinaryStreamFormat format;
    t->LoadFromFileViaFormat(path, &format);
    return t;
}

void sort(TMemTable& table)
{
    table.SortOn(QStringLiteral("Giorno;Ora"), table.SortOptions());
}

PerCall locate(TMemTable& table, const Agenda& agenda, std::size_t calls, double budget,
               std::uint64_t seed, std::size_t* misses)
{
    std::mt19937_64 rng(seed);
    std::vector<TVariant> keys;
    keys.reserve(calls);
    for (std::size_t i = 0; i < calls; ++i) {
        const Appointment& a = agenda.rows[rng() % agenda.rows.size()];
        keys.push_back(TVariant::array(
            {TVariant::fromDateTime(a.day), TVariant::fromDateTime(a.msec / MsecsPerDay)}));
    }
    const QString fields = QStringLiteral("Giorno;Ora");
    *misses = 0;
    return timePerCall(calls, budget, [&](std::size_t i) {
        if (!table.Locate(fields, keys[i]))
            ++*misses;
    });
}

PerCall fillDays(TMemTable& table, const std::vector<std::int32_t>& days, double budget,
                 std::size_t* records)
{
    TField& giorno = table.FieldByName("Giorno");
    TField& ora = table.FieldByName("Ora");
    TField& commento = table.FieldByName("Commento");
    TField& descrizione = table.FieldByName("Descrizione");
    TField& importanza = table.FieldByName("Importanza");
    TField& preavviso = table.FieldByName("Preavviso");
    TField& inviaMail = table.FieldByName("InviaMail");
    TField& mail = table.FieldByName("Mail");
    const QString field = QStringLiteral("Giorno");
    std::vector<DayEntry> list;
    *records = 0;
    return timePerCall(days.size(), budget, [&](std::size_t i) {
        const std::int32_t day = days[i];
        list.clear();
        table.First();
        if (!table.Locate(field, TVariant::fromDateTime(day)))
            return;
        while (!table.Eof() && datetime::dateDay(giorno.AsDateTime()) == day) {
            list.push_back({ora.AsDateTime(), commento.AsString(), descrizione.AsString(),
                            preavviso.AsString(), mail.AsString(), importanza.AsInteger(),
                            inviaMail.AsBoolean()});
            table.Next();
        }
        *records += list.size();
    });
}

PerCall countMonths(TMemTable& table, const std::vector<std::int32_t>& firstDays, double budget,
                    std::size_t* records)
{
    TField& giorno = table.FieldByName("Giorno");
    TField& importanza = table.FieldByName("Importanza");
    const QString field = QStringLiteral("Giorno");
    *records = 0;
    return timePerCall(firstDays.size(), budget, [&](std::size_t i) {
        int counts[3][31] = {};
        for (int d = 0; d < 30; ++d) {
            const std::int32_t day = firstDays[i] + d;
            table.First();
            if (!table.Locate(field, TVariant::fromDateTime(day)))
                continue;
            while (!table.Eof() && datetime::dateDay(giorno.AsDateTime()) == day) {
                const int level = importanza.AsInteger();
                if (level >= 0 && level < 3)
                    ++counts[level][d];
                ++*records;
                table.Next();
            }
        }
    });
}

} // namespace tarvoside
