#pragma once

#include <QString>

// The editing panel's messages as the tests read them: "caption: text".
namespace msg {
inline const QString FormatoOra =
    QStringLiteral("Errore: Il formato dell'orario in 'Ora' è incorretto");
inline const QString FormatoPreavviso =
    QStringLiteral("Errore: Il formato dell'orario in 'Preavviso' è incorretto");
inline const QString Ventiquattro =
    QStringLiteral("Errore: Non è possibile impostare preavvisi uguali o superiori alle 24 ore");
inline const QString GiaPresenti =
    QStringLiteral("Errore: Appunti già presenti nello stesso orario.");
inline const QString GiaPresentiAttenzione =
    QStringLiteral("Attenzione!: Appunti già presenti nello stesso orario.");
inline const QString NessunaVoce =
    QStringLiteral("Errore: Nessuna voce in agenda corrisponde alla selezione.");
inline const QString NienteDaEliminare =
    QStringLiteral("Errore: Non esiste alcun appuntamento alla data e ora indicata.");
inline const QString ConfermaEliminazione =
    QStringLiteral("Conferma: Sicuri di voler eliminare la selezione corrente?");
} // namespace msg
