#include "Appuntamento.h"

#include "Memtable.h"
#include "MessageBox.h"
#include "RegionalSettings.h"

namespace {

const char* const TestiImportanza[agenda::LivelliImportanza] = {"Normale", "Importante", "Urgente"};

TDateTime comeOra(std::int32_t msecs)
{
    return double(msecs) / datetime::MSecsPerDay;
}

} // namespace

namespace agenda {

QString testoImportanza(int livello)
{
    return QString::fromLatin1(TestiImportanza[livelloValido(livello)]);
}

QColor coloreImportanza(int livello)
{
    switch (livelloValido(livello)) {
    case 1:
        return QColor(255, 255, 196);
    case 2:
        return QColor(255, 202, 202);
    default:
        return QColor(202, 255, 202);
    }
}

int livelloValido(int importanza)
{
    return importanza >= 0 && importanza < LivelliImportanza ? importanza : 0;
}

QString testoOra(const TField& ora)
{
    if (ora.IsNull())
        return QStringLiteral("00.00");
    // The long time without its seconds: "9.30.00" gives "9.30".
    const QString testo = regional::timeToStr(ora.AsDateTime());
    return testo.left(testo.lastIndexOf(regional::settings().TimeSeparator));
}

TCampiAgenda::TCampiAgenda(TMemTable& agenda)
    : m_giorno(agenda.FieldByName(QStringLiteral("Giorno"))),
      m_ora(agenda.FieldByName(QStringLiteral("Ora"))),
      m_commento(agenda.FieldByName(QStringLiteral("Commento"))),
      m_descrizione(agenda.FieldByName(QStringLiteral("Descrizione"))),
      m_importanza(agenda.FieldByName(QStringLiteral("Importanza"))),
      m_preavviso(agenda.FieldByName(QStringLiteral("Preavviso"))),
      m_inviaMail(agenda.FieldByName(QStringLiteral("InviaMail"))),
      m_mail(agenda.FieldByName(QStringLiteral("Mail")))
{
}

std::int32_t TCampiAgenda::giorno() const
{
    return datetime::dateDay(m_giorno.AsDateTime());
}

int TCampiAgenda::importanza() const
{
    return m_importanza.AsInteger();
}

TVoce TCampiAgenda::voce(bool dettagliCompleti) const
{
    TVoce v;
    const int livello = livelloValido(m_importanza.AsInteger());
    v.caption = testoOra(m_ora) + QStringLiteral(": ") + m_commento.AsString();
    v.immagine = livello;
    v.colore = coloreImportanza(livello);
    v.dettagli << QStringLiteral("<B>Descrizione:</B> ") + m_descrizione.AsString();
    if (dettagliCompleti)
        v.dettagli << QStringLiteral("<B>Importanza:</B> ") + testoImportanza(livello) +
                          QStringLiteral(", <B>Prevviso:</B> ") + m_preavviso.AsString() +
                          QStringLiteral(", <B>Invia mail:</B> ") +
                          (m_inviaMail.AsBoolean() ? QStringLiteral("Si") : QStringLiteral("No")) +
                          QStringLiteral(", <B>Indirizzo:</B> ") + m_mail.AsString();
    return v;
}

bool posizionaGiorno(TMemTable& agenda, std::int32_t giorno)
{
    return agenda.Locate(QStringLiteral("Giorno"), TVariant::fromDateTime(giorno));
}

bool TrovaAppuntamento(TMemTable& agenda, std::int32_t giorno, std::int32_t msecs)
{
    const QString campi = QStringLiteral("Giorno;Ora");
    if (agenda.Locate(campi, TVariant::array({TVariant::fromDateTime(giorno),
                                              TVariant::fromDateTime(comeOra(msecs))})))
        return true;
    return msecs == 0 && agenda.Locate(campi, TVariant::array({TVariant::fromDateTime(giorno),
                                                               TVariant::null()}));
}

void eseguiProtetto(QWidget* parent, const std::function<void()>& azione)
{
    try {
        azione();
    } catch (const std::exception& e) {
        platform::showException(e, parent);
    }
}

} // namespace agenda
