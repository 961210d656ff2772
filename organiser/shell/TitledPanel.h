#pragma once

#include <QLabel>
#include <QWidget>

class QHBoxLayout;

// A panel of the organiser's windows: a coloured title strip with its caption (and room for
// small buttons at its right end) above a working area. The panel, the strip and the caption
// carry the names the windows were designed with ("PannelloCalendario", "TitoloCalendario",
// "CaptionCalendario").
class TPannelloTitolato : public QWidget
{
    Q_OBJECT
public:
    TPannelloTitolato(const QString& panelName, const QString& titleName,
                      const QString& captionName, const QString& caption,
                      QWidget* parent = nullptr);

    QWidget* Titolo() const { return m_titolo; }
    QLabel* Caption() const { return m_caption; }
    // The working area below the title strip.
    QWidget* Corpo() const { return m_corpo; }
    // Puts a small button (or any widget) at the right end of the title strip.
    void aggiungiAlTitolo(QWidget* widget);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_titolo;
    QHBoxLayout* m_titoloLayout;
    QLabel* m_caption;
    QWidget* m_corpo;
};

// A panel whose own caption is its title: the coloured strip alone ("Panel1" of the
// preferences, " Preferenze").
class TTitoloPannello : public QLabel
{
    Q_OBJECT
public:
    TTitoloPannello(const QString& name, const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The colours shared by the panels of every window.
namespace colori {
QColor bordoPannello();
QColor titoloChiaro();
QColor titoloScuro();
QColor sfondoLavoro();
} // namespace colori
