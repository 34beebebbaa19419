#include "widgets/pictures.h"
#include "widgets/programfiles.h"

#include <QWidget>

#include "widgets/pictures/aboutpicture.xpm"
#include "widgets/pictures/programicon.xpm"
#include "widgets/pictures/toilet.xpm"

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

void dressProgramWindow(QWidget* window, const QString& title)
{
    window->setWindowTitle(title);
    window->setWindowIcon(programIcon());
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint);
    window->setFont(dialogFont());
}
