#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, kept as XPM text in app/pictures.
QIcon programIcon();
QPixmap programIconPicture();
QPixmap toiletPicture();
QPixmap aboutPicture();
