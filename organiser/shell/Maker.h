#pragma once

#include <QString>

// Where the maker of Tarvo can be reached: the about box's links and credits.
inline const QString IndirizzoSupporto = QStringLiteral("supporto@corvane.example");
inline const QString SitoWeb = QStringLiteral("https://www.corvane.example/");
