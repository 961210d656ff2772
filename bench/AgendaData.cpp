#include "AgendaData.h"

#include "Cp1252.h"
#include "DateTime.h"

#include <QDate>
#include <algorithm>
#include <numeric>
#include <random>

namespace {

const char* const Subjects[] = {
    "Riunione con il commercialista",
    "Dentista: controllo e pulizia",
    "Chiamare l'idraulico in mattinata",
    "Pranzo con i colleghi d'ufficio",
    "Consegna relazione trimestrale",
    "Appuntamento in banca per il mutuo",
    "Palestra: corso di pilates",
    "Ritirare il certificato medico",
    "Colloquio con gli insegnanti",
    "Revisione auto all'officina",
    "Cena di compleanno di Giulia",
    "Videochiamata con il fornitore",
    "Pagare la bolletta della luce",
    "Visita oculistica di controllo",
    "Assemblea di condominio",
    "Lezione di pianoforte di Marco",
    "Treno per Milano, binario 7",
    "Farmacia: ritirare le medicine",
    "Rinnovo carta d'identità",
    "Incontro con l'architetto",
    "Spesa al mercato rionale",
    "Riunione di reparto settimanale",
    "Corso di aggiornamento sicurezza",
    "Telefonare alla nonna Lucia",
    "Documenti per l'avvocato Ferri",
    "Portare il gatto dal veterinario",
    "Caffè con Stefano in centro",
    "Prova dell'abito per le nozze",
    "Scadenza pagamento F24",
    "Partita di calcetto al circolo",
};

const char* const Fragments[] = {
    "Portare con sé i documenti originali e una fotocopia.",
    "Ricordarsi di confermare l'orario il giorno prima.",
    "Il parcheggio è in via Garibaldi, dietro la chiesa.",
    "Chiedere il preventivo aggiornato e le condizioni di pagamento.",
    "Se piove prendere l'autobus 12 fino a piazza Duomo.",
    "Avvisare la segreteria in caso di ritardo: 02 4567 8910.",
    "Portare il portatile carico e l'alimentatore.",
    "Verificare che la fattura riporti la partita IVA corretta.",
    "Ingresso dal cortile interno, secondo piano a destra.",
    "Durata prevista un'ora e mezza; pranzo libero dopo.",
    "Preparare l'elenco delle domande già discusse al telefono.",
    "Costo indicativo 80 €, pagamento anche con carta.",
    "Passare prima dalla posta a spedire la raccomandata.",
    "Lasciare la macchina al garage di corso Vittorio.",
    "Chiedere a Paola se può accompagnare i bambini.",
    "Portare la chiavetta con le fotografie per la stampa.",
};

const char* const Notices[] = {"00.05", "00.15", "00.30", "01.00", "02.00"};
const char* const Mails[] = {"mario.rossi@example.it", "giulia.bianchi@example.it",
                             "studio.ferri@example.it", "l.esposito@example.it"};

struct Text
{
    std::string cp1252, utf8;
};

Text text(const char* utf8)
{
    const QByteArray bytes = cp1252::fromUnicode(QString::fromUtf8(utf8));
    return {bytes.toStdString(), utf8};
}

} // namespace

Agenda makeAgenda(std::size_t count, std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    const auto below = [&rng](int n) { return int(rng() % std::uint64_t(n)); };

    std::vector<Text> subjects, fragments;
    for (const char* s : Subjects)
        subjects.push_back(text(s));
    for (const char* f : Fragments)
        fragments.push_back(text(f));

    Agenda agenda;
    agenda.rows.reserve(count);
    std::int32_t day = datetime::dayNumber(QDate(2020, 1, 1));
    std::vector<int> minutes(1439);
    while (agenda.rows.size() < count) {
        const std::size_t today =
            std::min<std::size_t>(200 + std::size_t(below(201)), count - agenda.rows.size());
        // Distinct minutes of the day, 00.01 to 23.59.
        std::iota(minutes.begin(), minutes.end(), 1);
        for (std::size_t i = 0; i < today; ++i)
            std::swap(minutes[i], minutes[i + std::size_t(below(int(minutes.size() - i)))]);
        std::sort(minutes.begin(), minutes.begin() + std::ptrdiff_t(today));
        agenda.days.push_back(day);
        for (std::size_t i = 0; i < today; ++i) {
            Appointment a;
            a.day = day;
            a.msec = minutes[i] * 60000;
            const int roll = below(10);
            a.importanza = roll < 7 ? 0 : roll < 9 ? 1 : 2;
            a.inviaMail = below(10) == 0;
            const Text& subject = subjects[std::size_t(below(int(subjects.size())))];
            a.commento = subject.cp1252;
            a.commentoUtf8 = subject.utf8;
            for (int n = 2 + below(3); n > 0; --n) {
                const Text& f = fragments[std::size_t(below(int(fragments.size())))];
                if (!a.descrizione.empty()) {
                    a.descrizione += ' ';
                    a.descrizioneUtf8 += ' ';
                }
                a.descrizione += f.cp1252;
                a.descrizioneUtf8 += f.utf8;
            }
            a.preavviso = below(3) == 0 ? "" : Notices[below(5)];
            a.mail = a.inviaMail ? Mails[below(4)] : "";
            agenda.rows.push_back(std::move(a));
        }
        ++day;
    }
    return agenda;
}
