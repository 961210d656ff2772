#include "Collation.h"

#include "Cp1252.h"

#include <QCollator>
#include <memory>
#include <optional>

namespace {

struct Collators
{
    QLocale locale;
    std::unique_ptr<QCollator> caseSensitive;
    std::unique_ptr<QCollator> caseInsensitive;
};

QLocale defaultLocale()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return QLocale(QLocale::Italian, QLocale::Italy);
    return system;
}

Collators& collators()
{
    static Collators c{defaultLocale(), nullptr, nullptr};
    return c;
}

QCollator& collator(bool caseInsensitive)
{
    Collators& c = collators();
    auto& slot = caseInsensitive ? c.caseInsensitive : c.caseSensitive;
    if (!slot) {
        slot = std::make_unique<QCollator>(c.locale);
        slot->setCaseSensitivity(caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive);
    }
    return *slot;
}

} // namespace

namespace collation {

QLocale locale()
{
    return collators().locale;
}

void setLocale(const QLocale& locale)
{
    Collators& c = collators();
    c.locale = locale;
    c.caseSensitive.reset();
    c.caseInsensitive.reset();
}

int compare(std::string_view a, std::string_view b, bool caseInsensitive)
{
    thread_local std::u16string left;
    thread_local std::u16string right;
    cp1252::toUtf16(QByteArrayView(a.data(), qsizetype(a.size())), left);
    cp1252::toUtf16(QByteArrayView(b.data(), qsizetype(b.size())), right);
    const int r = collator(caseInsensitive)
                      .compare(QStringView(left.data(), qsizetype(left.size())),
                               QStringView(right.data(), qsizetype(right.size())));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

} // namespace collation
