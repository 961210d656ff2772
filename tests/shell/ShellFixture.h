#pragma once

#include "AgendaViews.h"
#include "Application.h"
#include "MessageBox.h"
#include "ProgramFolderTest.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

class TFormMainTarvo;

// The organiser built against a temporary program folder, with scripted message boxes. The
// message loop never runs: tests show the main window (its first showing does the real start)
// and drive the windows directly.
class ShellTest : public ProgramFolderTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the data module and every window, as the program does at start.
    TApplicazione& avvia();
    // Creates everything and shows the main window.
    void avviaEMostra();
    // Destroys everything, as the end of the program does.
    void chiudi();

    TForms& forms() { return m_app->forms(); }
    TFormMainTarvo& principale() { return *m_app->forms().FormMainTarvo; }

    QString percorso(const QString& relative) const { return filePath(relative); }
    void creaFile(const QString& relative, const QByteArray& bytes = QByteArray());
    // The value of a configuration key, or "<none>" when it is missing.
    QString valoreIni(const QString& section, const QString& key) const;
    void scriviIni(const QString& section, const QString& key, const QString& value);

    static QList<platform::RecordedMessage>& messaggi();
    static QStringList testiMessaggi();

    std::unique_ptr<TApplicazione> m_app;
};

// Every file under a folder with its bytes, by relative path.
std::map<QString, QByteArray> contenutoCartella(const QString& folder);

// Agenda views that record which operations the main window asked of them.
class RegistroViste : public IAgendaViews
{
public:
    explicit RegistroViste(QStringList& registro) : m_registro(registro) {}
    void SincronizzaSelettori() override { m_registro << "SincronizzaSelettori"; }
    void AggiornaListaAppuntamenti() override { m_registro << "AggiornaListaAppuntamenti"; }
    void PreparaModifica() override { m_registro << "PreparaModifica"; }
    void Btn1GClick() override { m_registro << "Btn1GClick"; }
    void Btn7GClick() override { m_registro << "Btn7GClick"; }
    void Btn1MClick() override { m_registro << "Btn1MClick"; }
    void GrigliaCalendarioChange() override { m_registro << "GrigliaCalendarioChange"; }
    void VaiAOggi() override { m_registro << "VaiAOggi"; }
    void AggiornaListaScadenze() override { m_registro << "AggiornaListaScadenze"; }

private:
    QStringList& m_registro;
};
