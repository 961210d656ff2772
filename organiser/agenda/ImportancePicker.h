#pragma once

#include <QComboBox>
#include <QPixmap>
#include <functional>

class QPainter;

// The importance picker: a drop-down list whose entries are drawn by their owner, the
// editing panel (EditImportanzaDrawItem), both in the open list and in the closed field.
class TEditImportanza : public QComboBox
{
    Q_OBJECT
public:
    // Draws entry `index` in `rect`; `selected` when it is the highlighted entry of the list.
    using TDisegnaVoce =
        std::function<void(QPainter& painter, int index, const QRect& rect, bool selected)>;

    explicit TEditImportanza(QWidget* parent = nullptr);
    void setDisegnaVoce(TDisegnaVoce disegna) { m_disegna = std::move(disegna); }
    void disegnaVoce(QPainter& painter, int index, const QRect& rect, bool selected) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TDisegnaVoce m_disegna;
};
