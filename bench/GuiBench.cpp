// tarvo-bench-gui: the agenda's views on a loaded agenda of 1,000,000 appointments, filled
// by the real widgets on the offscreen platform. Each figure is the median of several
// refreshes; the goal is no visible pause, under about 100 ms.
//
//   tarvo-bench-gui [--size 1000000]

#include "AgendaData.h"
#include "Memtable.h"
#include "TarvoSide.h"
#include "Timing.h"

#include "Appuntamento.h"
#include "CalendarPanel.h"
#include "Datamodule.h"
#include "DayViews.h"
#include "Forms.h"
#include "MainPanels.h"
#include "MonthCalendar.h"
#include "MonthView.h"
#include "SectionListBox.h"
#include "StringsCalendar.h"
#include "VisteAgenda.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

constexpr int Runs = 9;
constexpr double GoalSeconds = 0.100;

std::size_t parseSize(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--size") == 0)
            return std::size_t(QString::fromLocal8Bit(argv[i + 1]).toULongLong());
    return 1000000;
}

// The day with the most appointments.
std::int32_t busiestDay(const Agenda& agenda, std::size_t* count)
{
    std::map<std::int32_t, std::size_t> perDay;
    for (const Appointment& a : agenda.rows)
        ++perDay[a.day];
    std::int32_t best = agenda.days.front();
    for (const auto& [day, n] : perDay)
        if (n > perDay[best])
            best = day;
    *count = perDay[best];
    return best;
}

// Median seconds of `Runs` calls of fill, each followed by what a person waits for: the
// events the fill queued (the lists lay themselves out once, afterwards) and the repaint.
template <typename F> double medianRefresh(QWidget& window, F&& fill)
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run)
        times.push_back(timeOnce([&] {
            fill();
            QCoreApplication::processEvents();
            window.repaint();
        }));
    return median(times);
}

void report(const char* what, double seconds)
{
    std::printf("  %-44s %8.1f ms   %s\n", what, seconds * 1000,
                seconds < GoalSeconds ? "ok" : "OVER THE GOAL");
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::size_t size = parseSize(argc, argv);
    if (size == 0) {
        std::fprintf(stderr, "usage: tarvo-bench-gui [--size 1000000]\n");
        return 2;
    }

    // The agenda file written and loaded as the organiser does at its first showing.
    std::fprintf(stderr, "%zu appointments: generating", size);
    const Agenda agenda = makeAgenda(size, 20041225 + size);
    std::size_t busyCount = 0;
    const std::int32_t busy = busiestDay(agenda, &busyCount);
    QTemporaryDir folder;
    const QString file = QDir(folder.path()).filePath(QStringLiteral("Agenda.dat"));
    {
        auto table = tarvoside::makeTable(agenda);
        tarvoside::save(*table, file);
    }
    std::fprintf(stderr, ", loading");
    TDC dc;
    dc.TabellaAgenda.LoadFromFileViaFormat(file, &dc.SaveFormat);
    dc.TabellaAgenda.SortOn(QStringLiteral("Giorno;Ora"), dc.TabellaAgenda.SortOptions());
    TForms forms;
    forms.DC = &dc;

    std::fprintf(stderr, ", views\n");
    QWidget window;
    auto* area = new TAreaAgenda(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    window.resize(1366, 740);
    window.show();
    TVisteAgenda viste(forms, *area);
    viste.setAgganci({{}, [&] {
                          area->mostraVista(TVista::Giorno);
                          viste.Btn1GClick();
                      }});

    const QDate day = datetime::dateOfDay(busy);
    viste.Calendario().GrigliaCalendario()->SetDate(day);
    platform::TSectionListBox* list = viste.Giorni().ListaGiornaliera();

    std::printf("Tarvo agenda views, %zu appointments on %zu days (offscreen, steady clock, "
                "median of %d)\n",
                size, agenda.days.size(), Runs);
    area->mostraVista(TVista::Giorno);
    const double dayView = medianRefresh(window, [&] { viste.AggiornaListaAppuntamenti(); });
    const QString sections = QString::number(list->SectionCount());
    report(qPrintable(QStringLiteral("day view, busiest day (%1 entries)").arg(sections)), dayView);

    // The same scan without the list, to tell the table's share from the widget's.
    std::vector<double> scans;
    for (int run = 0; run < Runs; ++run)
        scans.push_back(timeOnce([&] {
            TMemTable& t = dc.TabellaAgenda;
            if (!agenda::posizionaGiorno(t, busy))
                return;
            const agenda::TCampiAgenda campi(t);
            for (; !t.Eof() && campi.giorno() == busy; t.Next())
                (void)campi.voce(true);
        }));
    report("  of which reading its entries from the table", median(scans));

    area->mostraVista(TVista::SetteGiorni);
    const double weekView = medianRefresh(window, [&] { viste.AggiornaListaAppuntamenti(); });
    report("seven-day view around it", weekView);

    area->mostraVista(TVista::Mese);
    viste.Mese().CalendarioAppuntamentiMese()->SetYearMonth(day.year(), day.month());
    const double monthView = medianRefresh(window, [&] { viste.AggiornaListaAppuntamenti(); });
    report("month of counts around it", monthView);

    if (std::size_t(list->SectionCount()) != busyCount)
        std::printf("  problem: the day list holds %d entries, the day has %zu\n",
                    list->SectionCount(), busyCount);
    const QString total = viste.Mese().CalendarioAppuntamentiMese()->Lines(day.day()).value(0);
    if (total != QStringLiteral("%1 appuntamenti.").arg(busyCount))
        std::printf("  problem: the month table says \"%s\" for that day\n", qPrintable(total));
    std::printf("Goal: every refresh under %.0f ms, no visible pause.\n", GoalSeconds * 1000);
    return 0;
}
