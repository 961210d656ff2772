#include "AgendaFixture.h"

#include "Datamodule.h"
#include "EditingPanel.h"
#include "FileBytes.h"
#include "IniFile.h"
#include "Main.h"
#include "MainPanels.h"
#include "MonthCalendar.h"
#include "SectionListBox.h"
#include "Supporto.h"
#include "TimeMaskEdit.h"
#include "VisteAgenda.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

const QDate AgendaTest::Giovedi(2024, 5, 16);

void AgendaTest::SetUp()
{
    ProgramFolderTest::SetUp();
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvo"));
    resetTerminate();
    m_clock = std::make_unique<FakeClock>(QDateTime(Giovedi, QTime(10, 0)));
}

void AgendaTest::TearDown()
{
    chiudi();
    m_clock.reset();
    resetTerminate();
    ProgramFolderTest::TearDown();
}

void AgendaTest::scriviIni(const QString& section, const QString& key, const QString& value)
{
    platform::TIniFile ini(filePath(QStringLiteral("Config/Tarvo.ini")));
    ini.WriteString(section, key, value);
}

void AgendaTest::avvia(bool smtp)
{
    scriviIni("Generale", "Versione", "0.2");
    scriviIni("Generale", "SmtpHost", smtp ? "posta.example.it" : "");
    scriviIni("Generale", "SmtpPort", smtp ? "25" : "");
    m_app = std::make_unique<TApplicazione>();
    ASSERT_NE(m_app->forms().FormMainTarvo, nullptr);
    principale().show();
    ASSERT_FALSE(terminateRequested());
}

void AgendaTest::riavvia()
{
    chiudi();
    platform::MessageBoxScript::clear();
    avvia();
}

void AgendaTest::chiudi()
{
    m_app.reset();
}

void AgendaTest::seminaAgenda(const std::vector<Appuntamento>& appuntamenti)
{
    TDC dc;
    TMemTable& t = dc.TabellaAgenda;
    for (const Appuntamento& a : appuntamenti) {
        t.Append();
        t.FieldByName("Giorno").SetAsDateTime(datetime::fromQDate(a.giorno));
        if (a.ora)
            t.FieldByName("Ora").SetAsDateTime(
                datetime::encodeTime(a.ora->hour(), a.ora->minute()));
        t.FieldByName("Commento").SetAsString(QString::fromUtf8(a.commento));
        t.FieldByName("Descrizione").SetAsString(QString::fromUtf8(a.descrizione));
        t.FieldByName("Importanza").SetAsInteger(a.importanza);
        if (a.preavviso)
            t.FieldByName("Preavviso").SetAsString(QString::fromUtf8(a.preavviso));
        t.FieldByName("InviaMail").SetAsBoolean(a.inviaMail);
        t.FieldByName("Mail").SetAsString(QString::fromUtf8(a.mail));
        t.Post();
    }
    QDir().mkpath(filePath("Agenda"));
    t.SaveToFileViaFormat(filePath("Agenda/Agenda.dat"), &dc.SaveFormat);
}

TFormMainTarvo& AgendaTest::principale()
{
    return *m_app->forms().FormMainTarvo;
}

QObject* AgendaTest::radice()
{
    return principale().AreaAgenda();
}

TVisteAgenda& AgendaTest::viste()
{
    auto* viste = dynamic_cast<TVisteAgenda*>(&principale().agendaViews());
    if (!viste)
        throw std::runtime_error("the agenda is not installed");
    return *viste;
}

TPannelloModifica& AgendaTest::pannello()
{
    return viste().Modifica();
}

TMemTable& AgendaTest::tabella()
{
    return m_app->forms().DC->TabellaAgenda;
}

platform::TSectionListBox* AgendaTest::lista(const char* name)
{
    return w<platform::TSectionListBox>(name);
}

void AgendaTest::scriviOra(const char* campo, const QString& testo)
{
    auto* edit = w<platform::TTimeMaskEdit>(campo);
    edit->clear();
    edit->setCursorPosition(0);
    QString cifre = testo;
    cifre.remove(u'.');
    QTest::keyClicks(edit, cifre);
}

void AgendaTest::scriviTesto(const char* campo, const QString& testo)
{
    QWidget* widget = w(campo);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        memo->clear();
        const QStringList righe = testo.split(u'\n');
        for (qsizetype i = 0; i < righe.size(); ++i) {
            if (i > 0)
                QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClicks(memo, righe[i]);
        }
        return;
    }
    auto* edit = qobject_cast<QLineEdit*>(widget);
    ASSERT_NE(edit, nullptr) << campo;
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, testo);
}

void AgendaTest::clicca(const char* nome)
{
    QWidget* widget = w(nome);
    ASSERT_TRUE(widget->isEnabled()) << nome;
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void AgendaTest::aggiungi(const QDate& giorno, const QString& ora, const QString& commento,
                          int importanza, const QString& preavviso)
{
    w<QDateEdit>("EditData")->setDate(giorno);
    scriviOra("EditOra", ora);
    scriviOra("EditPreavviso", preavviso);
    scriviTesto("EditCommento", commento);
    w<QComboBox>("EditImportanza")->setCurrentIndex(importanza);
    clicca("Aggiungi");
}

void AgendaTest::cliccaSezione(platform::TSectionListBox* lista, int index)
{
    const QRect rect = lista->SectionRect(index);
    ASSERT_FALSE(rect.isEmpty()) << "section " << index << " is not in sight";
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, rect.center());
}

void AgendaTest::cliccaGiorno(const QDate& giorno)
{
    auto* griglia = w<platform::TCCalendar>("GrigliaCalendario");
    if (griglia->Date().year() != giorno.year() || griglia->Date().month() != giorno.month())
        griglia->SetDate(QDate(giorno.year(), giorno.month(), 1));
    const QRect rect = griglia->DayRect(giorno);
    ASSERT_FALSE(rect.isEmpty());
    QTest::mouseClick(griglia, Qt::LeftButton, {}, rect.center());
    ASSERT_EQ(griglia->Date(), giorno);
}

QStringList AgendaTest::appuntamenti()
{
    QStringList righe;
    TMemTable& t = tabella();
    for (t.First(); !t.Eof(); t.Next()) {
        const TField& ora = t.FieldByName("Ora");
        const QString testo =
            ora.IsNull() ? QStringLiteral("00.00") : ora.AsString().section(u'.', 0, 1);
        righe << t.FieldByName("Giorno").AsString() + u' ' + testo + u' ' +
                     t.FieldByName("Commento").AsString();
    }
    return righe;
}

QStringList AgendaTest::captions(platform::TSectionListBox* lista)
{
    QStringList list;
    for (int i = 0; i < lista->SectionCount(); ++i)
        list << lista->SectionCaption(i);
    return list;
}

QList<platform::RecordedMessage>& AgendaTest::registrati()
{
    return platform::MessageBoxScript::recorded();
}

QStringList AgendaTest::messaggi()
{
    QStringList testi;
    for (const auto& m : registrati())
        testi << m.caption + QStringLiteral(": ") + m.text;
    return testi;
}

QStringList AgendaTest::prendiMessaggi()
{
    const QStringList testi = messaggi();
    registrati().clear();
    return testi;
}
