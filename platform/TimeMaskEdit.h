#pragma once

#include <QLineEdit>

namespace platform {

// A masked time field: two hour digits (the first optional), ".", two minute digits. Its text
// keeps the blanks of the unfilled places, so an empty field reads "  .  ".
class TTimeMaskEdit : public QLineEdit
{
    Q_OBJECT
public:
    static const QString BlankText; // "  .  "

    explicit TTimeMaskEdit(QWidget* parent = nullptr);
    QString Text() const;
    // An empty text (or the blank text) empties the field.
    void SetText(const QString& text);
    bool IsBlank() const { return Text() == BlankText; }
};

} // namespace platform
