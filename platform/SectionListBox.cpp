#include "SectionListBox.h"

#include "SectionListBoxSection.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace platform {

TSectionListBox::TSectionListBox(QWidget* parent) : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    relayout();
}

TSectionListBox::~TSectionListBox() = default;

void TSectionListBox::SetImages(const QList<QPixmap>& images)
{
    m_images = images;
    viewport()->update();
}

void TSectionListBox::Clear()
{
    m_sections.clear();
    m_selected = -1;
    m_selectedDetail = -1;
    m_focused = -1;
    relayout();
    verticalScrollBar()->setValue(0);
}

int TSectionListBox::AddSection(const QString& caption, int imageIndex, const QColor& colour,
                                const QStringList& details)
{
    Section section;
    section.caption = caption;
    section.image = imageIndex;
    section.colour = colour;
    section.details = details;
    m_sections.push_back(std::move(section));
    relayout();
    return int(m_sections.size()) - 1;
}

int TSectionListBox::SectionCount() const
{
    return int(m_sections.size());
}

QString TSectionListBox::SectionCaption(int index) const
{
    return index >= 0 && index < SectionCount() ? m_sections[index].caption : QString();
}

QStringList TSectionListBox::SectionDetails(int index) const
{
    return index >= 0 && index < SectionCount() ? m_sections[index].details : QStringList();
}

int TSectionListBox::SectionImage(int index) const
{
    return index >= 0 && index < SectionCount() ? m_sections[index].image : -1;
}

QColor TSectionListBox::SectionColor(int index) const
{
    return index >= 0 && index < SectionCount() ? m_sections[index].colour : QColor();
}

int TSectionListBox::IndexOfSection(const QString& caption) const
{
    for (int i = 0; i < SectionCount(); ++i) {
        if (m_sections[i].caption == caption)
            return i;
    }
    return -1;
}

void TSectionListBox::SelectSection(int index, int detail)
{
    if (index < 0 || index >= SectionCount()) {
        m_selected = -1;
        m_selectedDetail = -1;
    } else {
        m_selected = index;
        m_selectedDetail = detail >= 0 && detail < m_sections[index].details.size() ? detail : -1;
        ensureVisible(index, false);
    }
    viewport()->update();
}

void TSectionListBox::FocusSection(int index)
{
    m_focused = index >= 0 && index < SectionCount() ? index : -1;
    viewport()->update();
}

bool TSectionListBox::IsExpanded(int index) const
{
    return index >= 0 && index < SectionCount() && m_sections[index].expanded;
}

void TSectionListBox::Expand(int index)
{
    setExpanded(index, true);
}

void TSectionListBox::Collapse(int index)
{
    setExpanded(index, false);
}

// Opening every section is what the user asks for here, so it holds in single-expansion mode
// too; the mode governs the next section opened one by one.
void TSectionListBox::ExpandAll()
{
    for (Section& section : m_sections)
        section.expanded = true;
    relayout();
}

void TSectionListBox::CollapseAll()
{
    for (Section& section : m_sections)
        section.expanded = false;
    relayout();
}

void TSectionListBox::SetSingleExpansion(bool on)
{
    m_single = on;
}

void TSectionListBox::SetMarkWebAddresses(bool on)
{
    m_markWeb = on;
    relayout();
}

void TSectionListBox::SetSectionHeight(int h)
{
    m_sectionHeight = std::max(1, h);
    relayout();
}

void TSectionListBox::SetDetailHeight(int h)
{
    m_detailHeight = std::max(1, h);
    relayout();
}

void TSectionListBox::SetIndent(int w)
{
    m_indent = std::max(0, w);
    relayout();
}

void TSectionListBox::SetImageSpacing(int w)
{
    m_imageSpacing = std::max(0, w);
    relayout();
}

void TSectionListBox::setExpanded(int index, bool on)
{
    if (index < 0 || index >= SectionCount())
        return;
    if (on && m_single) {
        for (Section& section : m_sections)
            section.expanded = false;
    }
    m_sections[index].expanded = on;
    relayout();
}

void TSectionListBox::moveSelectionTo(int index)
{
    index = std::clamp(index, 0, SectionCount() - 1);
    if (index == m_selected && m_selectedDetail == -1)
        return;
    m_selected = index;
    m_selectedDetail = -1;
    m_focused = index;
    ensureVisible(index, false);
    viewport()->update();
    emit sectionClick(index);
}

void TSectionListBox::pressAt(const QPoint& point, bool doubleClick)
{
    const THit hit = SectionAt(point);
    if (hit.section < 0)
        return;
    if (onNode(hit.section, point)) {
        setExpanded(hit.section, !IsExpanded(hit.section));
        if (IsExpanded(hit.section))
            ensureVisible(hit.section, true);
        return;
    }
    if (doubleClick) {
        emit sectionDblClick(hit.section);
        return;
    }
    m_selected = hit.section;
    m_selectedDetail = hit.detail;
    m_focused = hit.section;
    viewport()->update();
    emit sectionClick(hit.section);
}

void TSectionListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressAt(event->position().toPoint(), false);
    event->accept();
}

void TSectionListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressAt(event->position().toPoint(), true);
    event->accept();
}

void TSectionListBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), event->position().toPoint());
    event->accept();
}

void TSectionListBox::keyPressEvent(QKeyEvent* event)
{
    if (m_sections.empty()) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int current = m_selected;
    const int pageRows = std::max(1, viewport()->height() / std::max(1, m_sectionHeight));
    switch (event->key()) {
    case Qt::Key_Up:
        moveSelectionTo(current < 0 ? 0 : current - 1);
        break;
    case Qt::Key_Down:
        moveSelectionTo(current + 1);
        break;
    case Qt::Key_PageUp:
        moveSelectionTo(current - pageRows);
        break;
    case Qt::Key_PageDown:
        moveSelectionTo(current < 0 ? pageRows - 1 : current + pageRows);
        break;
    case Qt::Key_Home:
        moveSelectionTo(0);
        break;
    case Qt::Key_End:
        moveSelectionTo(SectionCount() - 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Plus:
        setExpanded(current, true);
        ensureVisible(current, true);
        break;
    case Qt::Key_Left:
    case Qt::Key_Minus:
        setExpanded(current, false);
        break;
    case Qt::Key_Space:
        setExpanded(current, !IsExpanded(current));
        ensureVisible(current, true);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace platform
