#pragma once

#include <QIcon>
#include <QPixmap>

class QWidget;

// The program's own pictures, kept as XPM text in app/pictures.
QIcon programIcon();
QPixmap programIconPicture();
QPixmap toiletPicture();
QPixmap aboutPicture();

// The program's own windows: a title, the program's icon, the dialog font,
// and a fixed border with a system menu, minimize and close boxes but no
// maximize box.
void dressProgramWindow(QWidget* window, const QString& title);
