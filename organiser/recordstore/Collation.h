#pragma once

#include <QLocale>
#include <string_view>

// Text comparison in the user's locale. A process running in the "C" locale (no locale set)
// collates as Italian, the language of the organiser, rather than by raw character codes.
namespace collation {

QLocale locale();
void setLocale(const QLocale& locale);

// Compares two Windows-1252 texts; <0, 0 or >0.
int compare(std::string_view a, std::string_view b, bool caseInsensitive);

} // namespace collation
