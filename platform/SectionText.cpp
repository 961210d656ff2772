#include "SectionText.h"

#include <QPainter>
#include <QTextOption>
#include <cmath>

namespace {

const QStringView WebPrefixes[] = {u"http://", u"https://", u"www."};

bool startsAt(QStringView text, qsizetype at, QStringView what)
{
    return text.mid(at, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

// The end of a web address that starts at `start`: up to the next blank, less the punctuation
// that closes a sentence around it ("vedi www.example.it.", "(www.example.it)").
qsizetype addressEnd(QStringView text, qsizetype start)
{
    qsizetype end = start;
    while (end < text.size() && !text[end].isSpace() && text[end] != u'<' && text[end] != u'>' &&
           text[end] != u'"')
        ++end;
    while (end > start) {
        const QChar last = text[end - 1];
        const QStringView address = text.mid(start, end - start);
        if (QStringView(u".,;:!?'").contains(last) ||
            (last == u')' && address.count(u'(') < address.count(u')')))
            --end;
        else
            break;
    }
    return end;
}

void markWebAddresses(QStringView text, std::vector<bool>& link)
{
    qsizetype i = 0;
    while (i < text.size()) {
        const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
        qsizetype prefix = 0;
        for (QStringView p : WebPrefixes) {
            if (wordStart && startsAt(text, i, p))
                prefix = p.size();
        }
        const qsizetype end = prefix ? addressEnd(text, i) : i;
        if (end > i + prefix) {
            std::fill(link.begin() + i, link.begin() + end, true);
            i = end;
        } else {
            ++i;
        }
    }
}

} // namespace

namespace platform {

std::vector<TTextRun> detailTextRuns(const QString& line, bool markWeb)
{
    QString plain;
    std::vector<bool> bold;
    bool on = false;
    for (qsizetype i = 0; i < line.size();) {
        if (startsAt(line, i, u"<B>")) {
            on = true;
            i += 3;
        } else if (startsAt(line, i, u"</B>")) {
            on = false;
            i += 4;
        } else {
            plain += line[i++];
            bold.push_back(on);
        }
    }
    std::vector<bool> link(bold.size(), false);
    if (markWeb)
        markWebAddresses(plain, link);

    std::vector<TTextRun> runs;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (runs.empty() || runs.back().bold != bold[i] || runs.back().link != link[i])
            runs.push_back({QString(), bold[i], link[i]});
        runs.back().text += plain[i];
    }
    return runs;
}

TWrappedText::TWrappedText(const std::vector<TTextRun>& runs, const QFont& font, int width,
                           int minLineHeight, const QColor& linkColour)
{
    QString text;
    QList<QTextLayout::FormatRange> formats;
    for (const TTextRun& run : runs) {
        QTextLayout::FormatRange range;
        range.start = int(text.size());
        range.length = int(run.text.size());
        if (run.bold)
            range.format.setFontWeight(QFont::Bold);
        if (run.link) {
            range.format.setFontUnderline(true);
            if (linkColour.isValid())
                range.format.setForeground(linkColour);
        }
        if (run.bold || run.link)
            formats.append(range);
        text += run.text;
    }

    m_layout = std::make_unique<QTextLayout>(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_layout->setTextOption(option);
    m_layout->setFormats(formats);
    m_layout->beginLayout();
    qreal y = 0;
    for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
        line.setLineWidth(std::max(1, width));
        const qreal step = std::max<qreal>(minLineHeight, std::ceil(line.height()));
        line.setPosition(QPointF(0, y + std::floor((step - line.height()) / 2)));
        y += step;
    }
    m_layout->endLayout();
    m_height = std::max(int(y), minLineHeight);
}

int TWrappedText::firstLineHeight() const
{
    return m_layout->lineCount() ? int(std::ceil(m_layout->lineAt(0).height())) : m_height;
}

void TWrappedText::draw(QPainter* painter, const QPoint& topLeft) const
{
    m_layout->draw(painter, topLeft);
}

} // namespace platform
