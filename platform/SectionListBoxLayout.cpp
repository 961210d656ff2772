// Layout, hit tests and drawing of TSectionListBox.
#include "SectionListBox.h"

#include "SectionListBoxSection.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

using namespace platform::sectionlist;

namespace {

// Section colours are light tints, whatever the desktop's theme: text on them is dark.
QColor textColourOn(const QColor& background)
{
    return background.lightness() >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

QColor linkColourOn(const QColor& background)
{
    return background.lightness() >= 128 ? QColor(0, 0, 210) : QColor(140, 180, 255);
}

// A selected detail line keeps dark text, so it gets a pale form of the highlight, the same on
// every section colour.
QColor paleHighlight(const QColor& highlight)
{
    const auto pale = [](int c) { return 255 - (255 - c) / 4; };
    return QColor(pale(highlight.red()), pale(highlight.green()), pale(highlight.blue()));
}

} // namespace

namespace platform {

int TSectionListBox::textLeft() const
{
    return LeftMargin + m_indent + ImageSize + m_imageSpacing;
}

int TSectionListBox::captionTextTop(const Section& section) const
{
    return std::max(2, (m_sectionHeight - section.captionText->firstLineHeight()) / 2);
}

void TSectionListBox::relayout()
{
    m_layoutDirty = true;
    viewport()->update();
    if (!m_layoutQueued) {
        m_layoutQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_layoutQueued = false;
                ensureLayout();
            },
            Qt::QueuedConnection);
    }
}

void TSectionListBox::ensureLayout() const
{
    if (m_layoutDirty)
        const_cast<TSectionListBox*>(this)->doLayout();
}

void TSectionListBox::doLayout()
{
    m_layoutDirty = false;
    const int width = viewport()->width();
    const int textWidth = std::max(20, width - textLeft() - RightMargin);
    m_layoutWidth = width;
    int top = 0;
    for (Section& section : m_sections) {
        const QColor background =
            section.colour.isValid() ? section.colour : palette().color(QPalette::Base);
        section.top = top;
        section.captionText = std::make_unique<TWrappedText>(
            std::vector<TTextRun>{{section.caption}}, font(), textWidth, 0);
        const int pad = captionTextTop(section);
        section.captionHeight = std::max(m_sectionHeight, section.captionText->height() + 2 * pad);
        section.height = section.captionHeight;
        section.detailTops.clear();
        section.detailTexts.clear();
        if (section.expanded && !section.details.isEmpty()) {
            for (const QString& detail : section.details) {
                section.detailTops.push_back(section.height);
                section.detailTexts.push_back(std::make_unique<TWrappedText>(
                    detailTextRuns(detail, m_markWeb), font(), textWidth, m_detailHeight,
                    linkColourOn(background)));
                section.height += section.detailTexts.back()->height();
            }
            section.height += DetailsBottomPadding;
        }
        top += section.height;
    }
    m_contentHeight = top;

    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, m_contentHeight - viewport()->height()));
    bar->setPageStep(viewport()->height());
    bar->setSingleStep(m_sectionHeight);
    viewport()->update();
}

void TSectionListBox::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    ensureLayout();
    if (viewport()->width() != m_layoutWidth) {
        relayout();
    } else {
        QScrollBar* bar = verticalScrollBar();
        bar->setRange(0, std::max(0, m_contentHeight - viewport()->height()));
        bar->setPageStep(viewport()->height());
    }
}

void TSectionListBox::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        relayout();
}

void TSectionListBox::ensureVisible(int index, bool withDetails)
{
    if (index < 0 || index >= SectionCount())
        return;
    ensureLayout();
    const Section& section = m_sections[index];
    QScrollBar* bar = verticalScrollBar();
    const int bottom = section.top + (withDetails ? section.height : section.captionHeight);
    if (bottom > bar->value() + viewport()->height())
        bar->setValue(bottom - viewport()->height());
    if (section.top < bar->value())
        bar->setValue(section.top);
}

TSectionListBox::THit TSectionListBox::SectionAt(const QPoint& point) const
{
    if (!viewport()->rect().contains(point))
        return {};
    ensureLayout();
    const int y = point.y() + verticalScrollBar()->value();
    for (int i = 0; i < SectionCount(); ++i) {
        const Section& section = m_sections[i];
        if (y < section.top || y >= section.top + section.height)
            continue;
        const int inside = y - section.top;
        for (int d = 0; d < int(section.detailTops.size()); ++d) {
            if (inside >= section.detailTops[d] &&
                inside < section.detailTops[d] + section.detailTexts[d]->height())
                return {i, d};
        }
        return {i, -1};
    }
    return {};
}

bool TSectionListBox::onNode(int index, const QPoint& point) const
{
    const QRect caption = SectionRect(index);
    return !caption.isEmpty() && point.x() < LeftMargin + m_indent && point.y() >= caption.top() &&
           point.y() < caption.top() + m_sectionHeight;
}

QRect TSectionListBox::SectionRect(int index) const
{
    if (index < 0 || index >= SectionCount())
        return {};
    ensureLayout();
    const Section& section = m_sections[index];
    const QRect rect(0, section.top - verticalScrollBar()->value(), viewport()->width(),
                     section.captionHeight);
    return rect.intersects(viewport()->rect()) ? rect : QRect();
}

QRect TSectionListBox::NodeRect(int index) const
{
    const QRect caption = SectionRect(index);
    if (caption.isEmpty())
        return {};
    return QRect(LeftMargin + (m_indent - GlyphSize) / 2,
                 caption.top() + (m_sectionHeight - GlyphSize) / 2, GlyphSize, GlyphSize);
}

QRect TSectionListBox::DetailRect(int index, int detail) const
{
    if (index < 0 || index >= SectionCount())
        return {};
    ensureLayout();
    const Section& section = m_sections[index];
    if (detail < 0 || detail >= int(section.detailTops.size()))
        return {};
    const QRect rect(0, section.top + section.detailTops[detail] - verticalScrollBar()->value(),
                     viewport()->width(), section.detailTexts[detail]->height());
    return rect.intersects(viewport()->rect()) ? rect : QRect();
}

void TSectionListBox::paintEvent(QPaintEvent* event)
{
    ensureLayout();
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    const int scroll = verticalScrollBar()->value();
    for (int i = 0; i < SectionCount(); ++i) {
        const Section& section = m_sections[i];
        const QRect block(0, section.top - scroll, viewport()->width(), section.height);
        if (block.intersects(event->rect()))
            paintSection(painter, i, block);
    }
}

void TSectionListBox::paintSection(QPainter& painter, int index, const QRect& block) const
{
    const Section& section = m_sections[index];
    const QColor background =
        section.colour.isValid() ? section.colour : palette().color(QPalette::Base);
    const QColor text =
        section.colour.isValid() ? textColourOn(background) : palette().color(QPalette::Text);
    painter.fillRect(block, background);

    const QRect caption(block.left(), block.top(), block.width(), section.captionHeight);
    const bool selected = index == m_selected;
    if (selected)
        painter.fillRect(caption, palette().color(QPalette::Highlight));
    const QColor captionText = selected ? palette().color(QPalette::HighlightedText) : text;

    if (!section.details.isEmpty()) {
        const QRect glyph(LeftMargin + (m_indent - GlyphSize) / 2,
                          caption.top() + (m_sectionHeight - GlyphSize) / 2, GlyphSize, GlyphSize);
        painter.setPen(background.darker(170));
        painter.setBrush(Qt::white);
        painter.drawRect(glyph.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        const QPoint centre = glyph.center();
        painter.drawLine(centre.x() - 2, centre.y(), centre.x() + 2, centre.y());
        if (!section.expanded)
            painter.drawLine(centre.x(), centre.y() - 2, centre.x(), centre.y() + 2);
        painter.setBrush(Qt::NoBrush);
    }
    if (section.image >= 0 && section.image < m_images.size()) {
        painter.drawPixmap(QRect(LeftMargin + m_indent,
                                 caption.top() + (m_sectionHeight - ImageSize) / 2, ImageSize,
                                 ImageSize),
                           m_images[section.image]);
    }
    painter.setPen(captionText);
    section.captionText->draw(&painter,
                              QPoint(textLeft(), caption.top() + captionTextTop(section)));

    for (int d = 0; d < int(section.detailTexts.size()); ++d) {
        const QRect line(block.left(), block.top() + section.detailTops[d], block.width(),
                         section.detailTexts[d]->height());
        if (selected && d == m_selectedDetail)
            painter.fillRect(line, paleHighlight(palette().color(QPalette::Highlight)));
        painter.setPen(text);
        section.detailTexts[d]->draw(&painter, line.topLeft() + QPoint(textLeft(), 0));
    }

    painter.setPen(background.darker(118));
    painter.drawLine(block.left(), block.bottom(), block.right(), block.bottom());
    if (index == m_focused && hasFocus()) {
        QPen dashed(captionText, 1, Qt::DashLine);
        painter.setPen(dashed);
        painter.drawRect(caption.adjusted(1, 1, -2, -2));
    }
}

} // namespace platform
