#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

// The agenda's pictures, drawn from SVG files built into the program. Line pictures are drawn
// in `currentColor`, so one drawing serves a light working area and a dark title strip.
namespace agenda {

// The image list shared by the importance picker and the appointment lists: 14 by 14
// pictures for "Normale", "Importante" and "Urgente", in level order.
QList<QPixmap> immaginiImportanza();

// A picture of the agenda ("avanti-mese") drawn in the given colour at a few sizes.
QIcon iconaAgenda(const QString& name, const QColor& colour);

} // namespace agenda
