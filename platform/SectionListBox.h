#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <vector>

class QPainter;

namespace platform {

// A list of sections: each has a caption, a small image, a background colour and detail
// lines (with <B>...</B> drawn bold) that show only while the section is expanded. A node
// glyph before the image expands and collapses it; in single-expansion mode opening one
// section closes the others. Captions and details wrap to the width of the list.
class TSectionListBox : public QAbstractScrollArea
{
    Q_OBJECT
public:
    struct THit
    {
        int section = -1; // -1: no section there
        int detail = -1;  // -1: the section's caption line
    };

    explicit TSectionListBox(QWidget* parent = nullptr);
    ~TSectionListBox() override;

    // The shared image list (14 by 14 pictures), by index.
    void SetImages(const QList<QPixmap>& images);

    void Clear();
    int AddSection(const QString& caption, int imageIndex, const QColor& colour,
                   const QStringList& details);
    int SectionCount() const;
    QString SectionCaption(int index) const;
    QStringList SectionDetails(int index) const;
    int SectionImage(int index) const;
    QColor SectionColor(int index) const;
    // The first section whose caption is exactly this text, or -1.
    int IndexOfSection(const QString& caption) const;

    int SelectedSection() const { return m_selected; }
    int SelectedDetail() const { return m_selectedDetail; }
    // Selects a section (and optionally one of its detail lines); -1 clears the selection.
    void SelectSection(int index, int detail = -1);
    THit SectionAt(const QPoint& viewportPoint) const;
    void FocusSection(int index);
    int FocusedSection() const { return m_focused; }

    bool IsExpanded(int index) const;
    void Expand(int index);
    void Collapse(int index);
    void ExpandAll();
    void CollapseAll();
    void SetSingleExpansion(bool on);
    bool SingleExpansion() const { return m_single; }
    void SetMarkWebAddresses(bool on);
    bool MarkWebAddresses() const { return m_markWeb; }

    // Geometry in pixels: section caption line, detail line, indents, gap after the image.
    void SetSectionHeight(int h);
    void SetDetailHeight(int h);
    void SetIndent(int w);
    void SetImageSpacing(int w);

    // Where a section's caption line and its node glyph are drawn, in viewport coordinates
    // (an empty rectangle when the section is scrolled out of sight or does not exist).
    QRect SectionRect(int index) const;
    QRect NodeRect(int index) const;
    // The line of one detail of an expanded section, the list's whole width; empty as above.
    QRect DetailRect(int index, int detail) const;

signals:
    void sectionClick(int index);
    void sectionDblClick(int index);
    // Any mouse button released over the list (the owner decides what a right click does).
    void mouseUp(Qt::MouseButton button, const QPoint& viewportPoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Section;
    // Marks the layout out of date; it is redone once, when next needed (a paint, a hit test
    // or the next turn of the event loop), so filling a list costs one layout, not one per
    // section added.
    void relayout();
    void ensureLayout() const;
    void doLayout();
    void paintSection(QPainter& painter, int index, const QRect& block) const;
    int textLeft() const;
    int captionTextTop(const Section& section) const;
    bool onNode(int index, const QPoint& viewportPoint) const;
    void setExpanded(int index, bool on);
    void moveSelectionTo(int index);
    void ensureVisible(int index, bool withDetails);
    void pressAt(const QPoint& viewportPoint, bool doubleClick);
    std::vector<Section> m_sections;
    QList<QPixmap> m_images;
    int m_selected = -1;
    int m_selectedDetail = -1;
    int m_focused = -1;
    bool m_single = true;
    bool m_markWeb = false;
    int m_sectionHeight = 24;
    int m_detailHeight = 14;
    int m_indent = 14;
    int m_imageSpacing = 8;
    int m_contentHeight = 0;
    int m_layoutWidth = -1;
    bool m_layoutDirty = true;
    bool m_layoutQueued = false;
};

} // namespace platform
