#include "CalendarPanel.h"

#include "AgendaImages.h"
#include "Appuntamento.h"
#include "Clock.h"
#include "Components.h"
#include "MonthCalendar.h"
#include "RegionalSettings.h"
#include "TitledPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

using platform::setComponentClass;

namespace {

const char* const NomiMesi[12] = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                  "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                  "Settembre", "Ottobre",  "Novembre", "Dicembre"};

QToolButton* pulsante(QWidget* parent, const char* name, const char* icon, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    setComponentClass(button, "TFlatSpeedButton");
    button->setIcon(agenda::iconaAgenda(QString::fromLatin1(icon), colori::titoloScuro()));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(24, 22);
    button->setToolTip(hint);
    return button;
}

QLabel* etichetta(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    setComponentClass(label, "TLabel");
    return label;
}

} // namespace

TCalendarioAgenda::TCalendarioAgenda(TPannelloTitolato* pannello, QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("CalendarPanel"));
    QWidget* corpo = pannello->Corpo();

    auto* selettori = new QWidget(corpo);
    selettori->setObjectName(QStringLiteral("Panel3"));
    setComponentClass(selettori, "TPanel");
    QLabel* label2 = etichetta(selettori, "Label2", QStringLiteral("Mese:"));
    QLabel* label1 = etichetta(selettori, "Label1", QStringLiteral("Anno:"));
    m_mese = new QComboBox(selettori);
    m_mese->setObjectName(QStringLiteral("Mese"));
    setComponentClass(m_mese, "TFlatComboBox");
    for (const char* nome : NomiMesi)
        m_mese->addItem(QString::fromLatin1(nome));
    m_anno = new QComboBox(selettori);
    m_anno->setObjectName(QStringLiteral("Anno"));
    setComponentClass(m_anno, "TFlatComboBox");
    const int ultimo = platform::now().date().year() + 10;
    for (int anno = PrimoAnno; anno <= ultimo; ++anno)
        m_anno->addItem(QString::number(anno));
    m_anno->setMaxVisibleItems(12);
    m_mese->setMaxVisibleItems(12);
    label2->setBuddy(m_mese);
    label1->setBuddy(m_anno);

    auto* scorrimento = new QWidget(corpo);
    scorrimento->setObjectName(QStringLiteral("PannelloPulsantiScorrimento"));
    setComponentClass(scorrimento, "TPanel");
    m_labelMeseAnno = etichetta(scorrimento, "LabelMeseAnno", QString());
    m_labelMeseAnno->setAlignment(Qt::AlignCenter);
    QFont grassetto = m_labelMeseAnno->font();
    grassetto.setBold(true);
    m_labelMeseAnno->setFont(grassetto);
    m_btnIndietroAnno = pulsante(scorrimento, "BtnIndietroAnno", "indietro-anno",
                                 QStringLiteral("Anno precedente"));
    m_btnIndietroMese = pulsante(scorrimento, "BtnIndietroMese", "indietro-mese",
                                 QStringLiteral("Mese precedente"));
    m_btnAvantiMese =
        pulsante(scorrimento, "BtnAvantiMese", "avanti-mese", QStringLiteral("Mese successivo"));
    m_btnAvantiAnno =
        pulsante(scorrimento, "BtnAvantiAnno", "avanti-anno", QStringLiteral("Anno successivo"));

    m_griglia = new platform::TCCalendar(corpo);
    m_griglia->setObjectName(QStringLiteral("GrigliaCalendario"));
    setComponentClass(m_griglia, "TCCalendar");
    m_griglia->SetDate(platform::now().date());

    auto* righe = new QHBoxLayout(scorrimento);
    righe->setContentsMargins(2, 0, 2, 0);
    righe->setSpacing(0);
    righe->addWidget(m_btnIndietroAnno);
    righe->addWidget(m_btnIndietroMese);
    righe->addWidget(m_labelMeseAnno, 1);
    righe->addWidget(m_btnAvantiMese);
    righe->addWidget(m_btnAvantiAnno);

    auto* griglia = new QGridLayout(selettori);
    griglia->setContentsMargins(4, 2, 4, 4);
    griglia->setHorizontalSpacing(4);
    griglia->addWidget(label2, 0, 0);
    griglia->addWidget(m_mese, 0, 1);
    griglia->addWidget(label1, 0, 2);
    griglia->addWidget(m_anno, 0, 3);
    // Wide enough for "Settembre" and a four-digit year in the narrow side panel.
    m_anno->setFixedWidth(m_anno->fontMetrics().horizontalAdvance(QStringLiteral("2000")) + 34);
    m_mese->setMinimumWidth(m_mese->fontMetrics().horizontalAdvance(QStringLiteral("Settembre")) +
                            34);
    griglia->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(corpo);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(scorrimento);
    layout->addWidget(m_griglia, 1);
    layout->addWidget(selettori);

    connect(m_griglia, &platform::TCCalendar::change, this, &TCalendarioAgenda::change);
    connect(m_mese, &QComboBox::activated, this, [this, pannello](int i) {
        agenda::eseguiProtetto(pannello->window(), [this, i] { MeseChange(i); });
    });
    connect(m_anno, &QComboBox::activated, this, [this, pannello](int i) {
        agenda::eseguiProtetto(pannello->window(), [this, i] { AnnoChange(i); });
    });
    connect(m_btnIndietroAnno, &QToolButton::clicked, this,
            &TCalendarioAgenda::BtnIndietroAnnoClick);
    connect(m_btnIndietroMese, &QToolButton::clicked, this,
            &TCalendarioAgenda::BtnIndietroMeseClick);
    connect(m_btnAvantiMese, &QToolButton::clicked, this, &TCalendarioAgenda::BtnAvantiMeseClick);
    connect(m_btnAvantiAnno, &QToolButton::clicked, this, &TCalendarioAgenda::BtnAvantiAnnoClick);

    SincronizzaSelettori();
}

QDate TCalendarioAgenda::giorno() const
{
    return m_griglia->Date();
}

void TCalendarioAgenda::SincronizzaSelettori()
{
    const QDate giorno = m_griglia->Date();
    m_labelMeseAnno->setText(regional::dateToStr(datetime::fromQDate(giorno)));
    const QSignalBlocker bloccoMese(m_mese);
    const QSignalBlocker bloccoAnno(m_anno);
    m_mese->setCurrentIndex(giorno.month() - 1);
    m_anno->setCurrentIndex(m_anno->findText(QString::number(giorno.year())));
}

// A day the picked month or year does not have (the 31st in April) is the calendar's date
// encoding error; the calendar keeps its day and the pickers go back to it.
void TCalendarioAgenda::MeseChange(int index)
{
    try {
        m_griglia->SetMonth(index + 1);
    } catch (...) {
        SincronizzaSelettori();
        throw;
    }
}

void TCalendarioAgenda::AnnoChange(int index)
{
    try {
        m_griglia->SetYear(m_anno->itemText(index).toInt());
    } catch (...) {
        SincronizzaSelettori();
        throw;
    }
}

void TCalendarioAgenda::BtnIndietroAnnoClick()
{
    m_griglia->PrevYear();
}

void TCalendarioAgenda::BtnIndietroMeseClick()
{
    m_griglia->PrevMonth();
}

void TCalendarioAgenda::BtnAvantiMeseClick()
{
    m_griglia->NextMonth();
}

void TCalendarioAgenda::BtnAvantiAnnoClick()
{
    m_griglia->NextYear();
}
