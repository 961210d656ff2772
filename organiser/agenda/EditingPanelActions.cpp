// What the editing panel's buttons do: add, change and delete an appointment, with every
// check and message, and the loading of a chosen list entry into the panel.
#include "EditingPanel.h"

#include "Clock.h"
#include "Datamodule.h"
#include "ImportancePicker.h"
#include "Impostazionimail.h"
#include "MessageBox.h"
#include "RegionalSettings.h"
#include "SectionListBox.h"
#include "TimeMaskEdit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace platform;
using agenda::TrovaAppuntamento;

namespace {

const QString MsgGiaPresenti = QStringLiteral("Appunti già presenti nello stesso orario.");

void errore(const QString& testo, QWidget* parent)
{
    messageBox(testo, QStringLiteral("Errore"), MsgIcon::Error, MsgButtons::Ok, parent);
}

// Blanks and control characters off both ends, as the description is stored.
QString senzaSpaziEsterni(const QString& testo)
{
    qsizetype inizio = 0;
    qsizetype fine = testo.size();
    while (inizio < fine && testo[inizio] <= u' ')
        ++inizio;
    while (fine > inizio && testo[fine - 1] <= u' ')
        --fine;
    return testo.mid(inizio, fine - inizio);
}

// A decimal number as the user's settings write it: blanks around it, a sign, digits with
// at most one decimal separator. Anything else is the number reader's conversion error.
double leggiNumero(const QString& testo)
{
    const QString t = testo.trimmed();
    const QChar separatore = regional::settings().DecimalSeparator;
    QString normale;
    bool cifre = false;
    bool decimali = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128) {
            cifre = true;
            normale += c;
        } else if (c == separatore && !decimali) {
            decimali = true;
            normale += u'.';
        } else if (i == 0 && (c == u'+' || c == u'-')) {
            normale += c;
        } else {
            cifre = false;
            break;
        }
    }
    if (!cifre)
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(testo));
    return normale.toDouble();
}

} // namespace

TMemTable& TPannelloModifica::tabella() const
{
    return m_forms.DC->TabellaAgenda;
}

std::int32_t TPannelloModifica::giornoScelto() const
{
    return datetime::dayNumber(m_editData->date());
}

std::int32_t TPannelloModifica::oraScelta() const
{
    const auto ora = regional::tryStrToTime(m_editOra->Text());
    return ora ? datetime::timeMsecs(*ora) : 0;
}

bool TPannelloModifica::IsTimeValid(TTimeMaskEdit* field, bool show)
{
    if (regional::tryStrToTime(field->Text()))
        return true;
    if (show)
        errore(QStringLiteral("Il formato dell'orario in '") + field->objectName().mid(4) +
                   QStringLiteral("' è incorretto"),
               finestra());
    return false;
}

// A notice that is neither a time nor blank stops the operation, with its message shown
// once; a blank one means no reminder (with the message anyway when a mail is asked for).
bool TPannelloModifica::preavvisoValido()
{
    const bool mostra = m_checkMail->isChecked();
    if (IsTimeValid(m_editPreavviso, mostra))
        return true;
    if (m_editPreavviso->IsBlank())
        return true;
    if (!mostra)
        IsTimeValid(m_editPreavviso, true);
    return false;
}

// The notice read as a number of hours ("16.30" reads 16.3): 24.59 and more is refused.
bool TPannelloModifica::superaVentiquattroOre()
{
    QString testo = m_editPreavviso->Text();
    if (testo == agenda::OraVuota)
        return false;
    const qsizetype punto = testo.indexOf(u'.');
    if (punto >= 0)
        testo[punto] = regional::settings().DecimalSeparator;
    if (leggiNumero(testo) < 24.59)
        return false;
    errore(QStringLiteral("Non è possibile impostare preavvisi uguali o superiori alle 24 ore"),
           finestra());
    return true;
}

void TPannelloModifica::scriviCampi(std::int32_t giorno, std::int32_t msecs)
{
    TMemTable& t = tabella();
    t.FieldByName(QStringLiteral("Giorno")).SetAsDateTime(giorno);
    t.FieldByName(QStringLiteral("Ora")).SetAsDateTime(double(msecs) / datetime::MSecsPerDay);
    t.FieldByName(QStringLiteral("Commento")).SetAsString(m_editCommento->text());
    t.FieldByName(QStringLiteral("Descrizione"))
        .SetAsString(senzaSpaziEsterni(m_editDescrizione->toPlainText()));
    t.FieldByName(QStringLiteral("Importanza")).SetAsInteger(m_editImportanza->currentIndex());
    t.FieldByName(QStringLiteral("Preavviso")).SetAsString(m_editPreavviso->Text());
    t.FieldByName(QStringLiteral("InviaMail")).SetAsBoolean(m_checkMail->isChecked());
    t.FieldByName(QStringLiteral("Mail"))
        .SetAsString(m_checkMail->isChecked() ? m_editMail->text() : QString());
}

// The views always show what memory holds, also when the file could not be written.
void TPannelloModifica::salvaERinfresca()
{
    try {
        if (m_agganci.SalvaAgenda)
            m_agganci.SalvaAgenda();
    } catch (...) {
        if (m_agganci.AggiornaListaAppuntamenti)
            m_agganci.AggiornaListaAppuntamenti();
        throw;
    }
    if (m_agganci.AggiornaListaAppuntamenti)
        m_agganci.AggiornaListaAppuntamenti();
}

void TPannelloModifica::dopoLaModifica(std::int32_t giorno, std::int32_t msecs)
{
    m_corrente = agenda::TChiave{giorno, msecs};
    salvaERinfresca();
    TrovaAppuntamento(tabella(), giorno, msecs);
    // The field keeps a blank before a one-digit hour (" 9.30"); the list writes "9.30".
    if (m_listaGiornaliera)
        m_listaGiornaliera->SelectSection(m_listaGiornaliera->IndexOfSection(
            m_editOra->Text().trimmed() + QStringLiteral(": ") + m_editCommento->text()));
    if (giorno == datetime::dayNumber(platform::now().date()) && m_agganci.AggiornaListaScadenze)
        m_agganci.AggiornaListaScadenze();
}

void TPannelloModifica::AggiungiClick()
{
    if (superaVentiquattroOre())
        return;
    if (!IsTimeValid(m_editOra, true))
        return;
    if (!preavvisoValido())
        return;
    const std::int32_t giorno = giornoScelto();
    const std::int32_t ora = oraScelta();
    TMemTable& t = tabella();
    if (TrovaAppuntamento(t, giorno, ora)) {
        errore(MsgGiaPresenti, finestra());
        return;
    }
    t.Append();
    try {
        scriviCampi(giorno, ora);
        t.Post();
    } catch (...) {
        t.Cancel();
        throw;
    }
    dopoLaModifica(giorno, ora);
}

void TPannelloModifica::ModificaClick()
{
    if (!IsTimeValid(m_editOra, true))
        return;
    if (!preavvisoValido())
        return;
    TMemTable& t = tabella();
    // The appointment remembered when it was chosen, whatever walked the table since.
    if (!m_corrente || !TrovaAppuntamento(t, m_corrente->giorno, m_corrente->msecs)) {
        errore(QStringLiteral("Nessuna voce in agenda corrisponde alla selezione."), finestra());
        return;
    }
    const int corrente = t.CurrentRecordId();
    const std::int32_t giorno = giornoScelto();
    const std::int32_t ora = oraScelta();
    if (TrovaAppuntamento(t, giorno, ora) && t.CurrentRecordId() != corrente) {
        messageBox(MsgGiaPresenti, QStringLiteral("Attenzione!"), MsgIcon::Warning, MsgButtons::Ok,
                   finestra());
        return;
    }
    TrovaAppuntamento(t, m_corrente->giorno, m_corrente->msecs);
    t.Edit();
    try {
        scriviCampi(giorno, ora);
        t.Post();
    } catch (...) {
        t.Cancel();
        throw;
    }
    dopoLaModifica(giorno, ora);
}

void TPannelloModifica::EliminaClick()
{
    if (messageBox(QStringLiteral("Sicuri di voler eliminare la selezione corrente?"),
                   QStringLiteral("Conferma"), MsgIcon::Question, MsgButtons::YesNo,
                   finestra()) != MsgResult::Yes)
        return;
    TMemTable& t = tabella();
    const std::int32_t giorno = giornoScelto();
    const std::int32_t ora = oraScelta();
    if (!IsTimeValid(m_editOra, false) || !TrovaAppuntamento(t, giorno, ora)) {
        errore(QStringLiteral("Non esiste alcun appuntamento alla data e ora indicata."),
               finestra());
        return;
    }
    t.Delete();
    if (m_corrente && m_corrente->giorno == giorno && m_corrente->msecs == ora)
        m_corrente.reset();
    salvaERinfresca();
    if (m_agganci.AggiornaListaScadenze)
        m_agganci.AggiornaListaScadenze();

    if (m_listaGiornaliera)
        m_listaGiornaliera->SelectSection(-1);
    m_editOra->SetText(QString());
    m_editCommento->clear();
    m_editDescrizione->clear();
    m_checkMail->setChecked(false);
    m_editMail->clear();
    m_editMail->setEnabled(false);
}

void TPannelloModifica::CheckMailClick()
{
    if (!m_checkMail->isChecked()) {
        m_editMail->clear();
        m_editMail->setEnabled(false);
        return;
    }
    if (m_editPreavviso->IsBlank())
        m_editPreavviso->SetText(QStringLiteral("00.00"));
    m_editMail->setEnabled(true);
    TFormImpostazioniMail* impostazioni = m_forms.FormImpostazioniMail;
    if (!impostazioni)
        return;
    m_editMail->setText(impostazioni->MailSettings.MailDestinatario);
    if (!impostazioni->ReadSmtpValues() &&
        messageBox(QStringLiteral("Non è stato ancora definito il server SMTP attraverso il "
                                  "quale inviare le mail. Impostare ora?"),
                   QStringLiteral("Impostare server SMTP"), MsgIcon::Question, MsgButtons::YesNo,
                   finestra()) == MsgResult::Yes)
        impostazioni->exec();
}

void TPannelloModifica::AppuntamentoSelezionato(TSectionListBox* lista, int index, QLabel* label)
{
    if (!lista || index < 0 || index >= lista->SectionCount())
        return;
    const QString caption = lista->SectionCaption(index);
    const qsizetype fine = caption.indexOf(QStringLiteral(": "));
    const QString testoOra = fine < 0 ? QString() : caption.left(fine);
    const auto giorno = regional::tryStrToDate(label->text());
    const auto ora = regional::tryStrToTime(testoOra);
    TMemTable& t = tabella();
    if (!giorno || !ora ||
        !TrovaAppuntamento(t, datetime::dateDay(*giorno), datetime::timeMsecs(*ora))) {
        errore(QStringLiteral("Nessuna voce in agenda corrisponde alla selezione."), finestra());
        return;
    }
    m_corrente = agenda::TChiave{datetime::dateDay(*giorno), datetime::timeMsecs(*ora)};

    const QString commento = t.FieldByName(QStringLiteral("Commento")).AsString();
    const QString descrizione = t.FieldByName(QStringLiteral("Descrizione")).AsString();
    const int importanza = t.FieldByName(QStringLiteral("Importanza")).AsInteger();
    const QString preavviso = t.FieldByName(QStringLiteral("Preavviso")).AsString();
    const bool inviaMail = t.FieldByName(QStringLiteral("InviaMail")).AsBoolean();
    const QString mail = t.FieldByName(QStringLiteral("Mail")).AsString();

    m_editData->setDate(datetime::toQDate(*giorno));
    m_editOra->SetText(testoOra);
    m_editCommento->setText(commento);
    m_editDescrizione->setPlainText(descrizione);
    m_editImportanza->setCurrentIndex(agenda::livelloValido(importanza));
    m_editPreavviso->SetText(preavviso);
    m_checkMail->setChecked(inviaMail);
    m_editMail->setEnabled(inviaMail);
    m_editMail->setText(inviaMail ? mail : QString());
}
