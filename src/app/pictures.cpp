#include "app/pictures.h"

#include "app/pictures/aboutpicture.xpm"
#include "app/pictures/programicon.xpm"
#include "app/pictures/toilet.xpm"

QPixmap programIconPicture()
{
    return QPixmap(programicon);
}

QIcon programIcon()
{
    return QIcon(programIconPicture());
}

QPixmap toiletPicture()
{
    return QPixmap(toilet);
}

QPixmap aboutPicture()
{
    return QPixmap(aboutpicture);
}
