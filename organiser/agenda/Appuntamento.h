#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <exception>
#include <functional>

class QWidget;
class TField;
class TMemTable;

// The appointment record of TabellaAgenda and what the agenda's windows say about it: the
// importance levels with their texts and colours, the time texts of the lists, and the
// positioned searches every list and check goes through.
namespace agenda {

// The text of a masked time field left empty: no time, no notice.
inline const QString OraVuota = QStringLiteral("  .  ");

constexpr int LivelliImportanza = 3;
// "Normale", "Importante", "Urgente": the importance picker's entries.
QString testoImportanza(int livello);
// Light green, light yellow, light red: the list entries of each level.
QColor coloreImportanza(int livello);
// A stored level outside 0 to 2 (data that never passed the editing panel) reads as normal.
int livelloValido(int importanza);

// The time of a list caption: "9.30" for half past nine, "00.00" for an empty time.
QString testoOra(const TField& ora);

// One appointment as the lists show it.
struct TVoce
{
    QString caption;
    int immagine = 0;
    QColor colore;
    QStringList dettagli;
};

// The fields of TabellaAgenda that the lists read, looked up once per scan.
class TCampiAgenda
{
public:
    explicit TCampiAgenda(TMemTable& agenda);
    std::int32_t giorno() const;
    // The current record as a list entry, with or without its second detail line.
    TVoce voce(bool dettagliCompleti) const;
    int importanza() const;

private:
    TField& m_giorno;
    TField& m_ora;
    TField& m_commento;
    TField& m_descrizione;
    TField& m_importanza;
    TField& m_preavviso;
    TField& m_inviaMail;
    TField& m_mail;
};

// Puts the table on the first appointment of the day, in "Giorno;Ora" order; false when the
// day has none. A list reads from there while the day stays the same.
bool posizionaGiorno(TMemTable& agenda, std::int32_t giorno);

// Finds the appointment on (day, time) and makes it current. Midnight is written to the file
// as an empty time, so 00.00 also finds an appointment of that day whose time is empty: after
// a restart it is still the same appointment, chosen, changed, deleted and clashed with.
bool TrovaAppuntamento(TMemTable& agenda, std::int32_t giorno, std::int32_t msecs);

// The day and time of the appointment loaded into the editing panel.
struct TChiave
{
    std::int32_t giorno = 0;
    std::int32_t msecs = 0;
};

// Runs an event handler; an error that escapes it is shown in the standard error box and the
// action stops there.
void eseguiProtetto(QWidget* parent, const std::function<void()>& azione);

} // namespace agenda
