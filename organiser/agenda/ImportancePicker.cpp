#include "ImportancePicker.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

// The open list: every entry drawn by the picker's owner.
class TDelegatoImportanza : public QStyledItemDelegate
{
public:
    explicit TDelegatoImportanza(TEditImportanza* picker)
        : QStyledItemDelegate(picker), m_picker(picker)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        painter->save();
        m_picker->disegnaVoce(*painter, index.row(), option.rect,
                              option.state & QStyle::State_Selected);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize base = QStyledItemDelegate::sizeHint(option, index);
        return QSize(base.width() + 18, qMax(18, option.fontMetrics.height() + 4));
    }

private:
    TEditImportanza* m_picker;
};

} // namespace

TEditImportanza::TEditImportanza(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new TDelegatoImportanza(this));
}

void TEditImportanza::disegnaVoce(QPainter& painter, int index, const QRect& rect,
                                  bool selected) const
{
    if (m_disegna)
        m_disegna(painter, index, rect, selected);
}

QSize TEditImportanza::sizeHint() const
{
    const QSize base = QComboBox::sizeHint();
    return QSize(base.width() + 18, base.height());
}

QSize TEditImportanza::minimumSizeHint() const
{
    return sizeHint();
}

void TEditImportanza::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect campo =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.save();
    disegnaVoce(painter, currentIndex(), campo, false);
    painter.restore();
}
