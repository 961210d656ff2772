#include "TimeMaskEdit.h"

namespace platform {

const QString TTimeMaskEdit::BlankText = QStringLiteral("  .  ");

// In a Qt mask "0" is a digit that may be left blank and "9" one that is required; the blank
// is a space, so an empty field shows (and reads) the blank text.
TTimeMaskEdit::TTimeMaskEdit(QWidget* parent) : QLineEdit(parent)
{
    setInputMask(QStringLiteral("09.99; "));
    setMaxLength(5);
}

QString TTimeMaskEdit::Text() const
{
    return displayText();
}

// The mask fills its places from the left, so a one-digit hour ("9.30", as the lists write
// times) would land in the first place; it goes into the second one instead.
void TTimeMaskEdit::SetText(const QString& text)
{
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0 && point < 2)
        setText(QString(2 - point, u' ') + text);
    else
        setText(text);
}

} // namespace platform
