#pragma once

#include <QString>

// Every file of the programs lives under the folder of their executable.
namespace platform {

// The program folder, with a trailing "/".
QString programFolder();
// The program folder followed by a relative path written with "/" ("Agenda/Agenda.dat").
QString programPath(const QString& relative);
// Tests point the programs at a folder of their own; an empty folder means the executable's.
void setProgramFolder(const QString& folder);

// Creates one folder level when it is missing; false when it cannot be made.
bool ensureFolder(const QString& path);

} // namespace platform
