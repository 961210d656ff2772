#include "Preferenze.h"

#include "Components.h"
#include "Hints.h"
#include "IniFile.h"
#include "MessageBox.h"
#include "Supporto.h"
#include "TitledPanel.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace platform;

namespace {

const QString Sezione = QStringLiteral("Preferenze");

QWidget* pannello(const QString& name, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    setComponentClass(panel, "TPanel");
    return panel;
}

QPushButton* pulsante(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    setComponentClass(button, "TBitBtn");
    button->setMinimumWidth(90);
    return button;
}

} // namespace

TFormPreferenze::TFormPreferenze(TForms& forms, QWidget* parent) : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormPreferenze"));
    setWindowTitle(QStringLiteral("Imposta Preferenze"));

    auto* titolo =
        new TTitoloPannello(QStringLiteral("Panel1"), QStringLiteral(" Preferenze"), this);

    QWidget* caselle = pannello(QStringLiteral("Panel5"), this);
    m_checkPromemoria =
        new QCheckBox(QStringLiteral("Visualizza promemoria appuntamento"), caselle);
    m_checkPromemoria->setObjectName(QStringLiteral("CheckPromemoria"));
    m_checkMinimizzaChiusura =
        new QCheckBox(QStringLiteral("Minimizza in chiusura (non chiudere applicazione)"), caselle);
    m_checkMinimizzaChiusura->setObjectName(QStringLiteral("CheckMinimizzaChiusura"));
    m_checkAiuti = new QCheckBox(QStringLiteral("Visualizza aiuti e suggerimenti popup"), caselle);
    m_checkAiuti->setObjectName(QStringLiteral("CheckAiuti"));
    auto* caselleLayout = new QVBoxLayout(caselle);
    caselleLayout->setContentsMargins(16, 14, 16, 14);
    caselleLayout->setSpacing(10);
    caselleLayout->addWidget(m_checkPromemoria);
    caselleLayout->addWidget(m_checkMinimizzaChiusura);
    caselleLayout->addWidget(m_checkAiuti);

    QWidget* pulsanti = pannello(QStringLiteral("PannelloPulsanti"), this);
    QWidget* allinea = pannello(QStringLiteral("Panel8"), pulsanti);
    m_pulsanteAnnulla =
        pulsante(QStringLiteral("PulsanteAnnulla"), QStringLiteral("Annulla"), allinea);
    m_pulsanteConferma =
        pulsante(QStringLiteral("PulsanteConferma"), QStringLiteral("Conferma"), allinea);
    m_pulsanteConferma->setDefault(true);
    auto* allineaLayout = new QHBoxLayout(allinea);
    allineaLayout->setContentsMargins(0, 0, 0, 0);
    allineaLayout->addWidget(m_pulsanteAnnulla);
    allineaLayout->addWidget(m_pulsanteConferma);
    auto* pulsantiLayout = new QHBoxLayout(pulsanti);
    pulsantiLayout->setContentsMargins(10, 6, 10, 10);
    pulsantiLayout->addStretch(1);
    pulsantiLayout->addWidget(allinea);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titolo);
    layout->addWidget(caselle);
    layout->addWidget(pulsanti);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_pulsanteConferma, &QPushButton::clicked, this,
            &TFormPreferenze::PulsanteConfermaClick);
    connect(m_pulsanteAnnulla, &QPushButton::clicked, this, &TFormPreferenze::PulsanteAnnullaClick);

    AttachPlacement(this);
    FormCreate();
}

void TFormPreferenze::FormCreate()
{
    // Before the configuration file exists the boxes show what every later start reads for
    // a missing key: all marked.
    const TIniFile ini(percorsoConfigurazione());
    m_checkPromemoria->setChecked(ini.ReadBool(Sezione, QStringLiteral("Promemoria"), true));
    m_checkMinimizzaChiusura->setChecked(
        ini.ReadBool(Sezione, QStringLiteral("MinimizzaChiusura"), true));
    m_checkAiuti->setChecked(ini.ReadBool(Sezione, QStringLiteral("Aiuti"), true));
}

void TFormPreferenze::PulsanteConfermaClick()
{
    if (QFileInfo::exists(percorsoConfigurazione())) {
        try {
            TIniFile ini(percorsoConfigurazione());
            ini.WriteBool(Sezione, QStringLiteral("Promemoria"), m_checkPromemoria->isChecked());
            ini.WriteBool(Sezione, QStringLiteral("MinimizzaChiusura"),
                          m_checkMinimizzaChiusura->isChecked());
            ini.WriteBool(Sezione, QStringLiteral("Aiuti"), m_checkAiuti->isChecked());
        } catch (const std::exception& e) {
            showException(e, this);
        }
        setHintsEnabled(m_checkAiuti->isChecked());
    }
    accept();
}

void TFormPreferenze::PulsanteAnnullaClick()
{
    reject();
}
