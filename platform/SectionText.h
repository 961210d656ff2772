#pragma once

#include <QFont>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <vector>

// The text of a section list's detail line: plain text in which "<B>" and "</B>" switch bold on
// and off, and, when asked, web addresses ("http://", "https://", "www.") marked as links.
// Nothing else is markup, so a "<" anywhere else stays in the text.
namespace platform {

struct TTextRun
{
    QString text;
    bool bold = false;
    bool link = false;
    bool operator==(const TTextRun&) const = default;
};

std::vector<TTextRun> detailTextRuns(const QString& line, bool markWebAddresses);

// A laid-out block of text wrapped to a width, each line at least minLineHeight high; links
// are drawn underlined in the link colour, the rest in the painter's pen.
class TWrappedText
{
public:
    TWrappedText(const std::vector<TTextRun>& runs, const QFont& font, int width, int minLineHeight,
                 const QColor& linkColour = QColor());
    int height() const { return m_height; }
    int lineCount() const { return m_layout->lineCount(); }
    int firstLineHeight() const;
    void draw(QPainter* painter, const QPoint& topLeft) const;

private:
    std::unique_ptr<QTextLayout> m_layout;
    int m_height = 0;
};

} // namespace platform
