#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The organiser's pictures: SVG drawings built into the program, so they show on any desktop
// with or without an icon theme. Names are the file names without extension ("stampa").
QIcon iconaTarvo(const QString& name);
QPixmap immagineTarvo(const QString& name, const QSize& size);
