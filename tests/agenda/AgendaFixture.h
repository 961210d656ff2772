#pragma once

#include "Application.h"
#include "FakeClock.h"
#include "MessageBox.h"
#include "ProgramFolderTest.h"

#include <QDate>
#include <QStringList>
#include <QTime>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QWidget;
class TFormMainTarvo;
class TMemTable;
class TPannelloModifica;
class TVisteAgenda;
namespace platform {
class TSectionListBox;
}

// One appointment written straight into a table; a null time stands for an empty one.
struct Appuntamento
{
    QDate giorno;
    std::optional<QTime> ora;
    const char* commento = "";
    int importanza = 0;
    const char* descrizione = "";
    const char* preavviso = "  .  "; // nullptr: left null
    bool inviaMail = false;
    const char* mail = "";
};

// The whole organiser built against a temporary program folder, the clock pinned to Thursday
// 16 May 2024 at 10.00, message boxes and file dialogs scripted. The message loop never runs:
// tests show the main window (its first showing loads the agenda) and drive the real widgets
// by name.
class AgendaTest : public ProgramFolderTest
{
protected:
    static const QDate Giovedi; // 16/05/2024, "today"

    void SetUp() override;
    void TearDown() override;

    // Creates everything and shows the main window; with `smtp` the mail settings name a server.
    void avvia(bool smtp = true);
    // Ends the program and starts it again on the same folder.
    void riavvia();
    void chiudi();
    // Agenda/Agenda.dat holding these appointments, written before the start.
    void seminaAgenda(const std::vector<Appuntamento>& appuntamenti);
    void scriviIni(const QString& section, const QString& key, const QString& value);

    TFormMainTarvo& principale();
    TVisteAgenda& viste();
    TPannelloModifica& pannello();
    TMemTable& tabella();
    // A widget of the main window's agenda area, by name.
    template <class T = QWidget> T* w(const char* name);
    QObject* radice();
    platform::TSectionListBox* lista(const char* name);

    // The editing panel, driven as a person would.
    void scriviOra(const char* campo, const QString& testo); // "09.30"; "" leaves it blank
    void scriviTesto(const char* campo, const QString& testo);
    void clicca(const char* nome);
    void aggiungi(const QDate& giorno, const QString& ora, const QString& commento,
                  int importanza = 0, const QString& preavviso = QString());
    void cliccaSezione(platform::TSectionListBox* lista, int index);
    void cliccaGiorno(const QDate& giorno); // on the month calendar

    // What the table holds, in its order: "16/05/2024 9.30 Dentista" ("00.00" for an empty
    // time).
    QStringList appuntamenti();
    static QStringList captions(platform::TSectionListBox* lista);
    // The recorded boxes as "caption: text"; cleared by prendiMessaggi.
    static QStringList messaggi();
    static QStringList prendiMessaggi();
    static QList<platform::RecordedMessage>& registrati();

private:
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<TApplicazione> m_app;
    bool m_smtp = true;
};

template <class T> T* AgendaTest::w(const char* name)
{
    T* child = radice()->findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        ADD_FAILURE() << "no widget named " << name;
        throw std::runtime_error(std::string("missing ") + name);
    }
    return child;
}
