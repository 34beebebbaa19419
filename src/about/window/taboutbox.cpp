#include "about/window/taboutbox.h"
#include "app/window/accessiblenames.h"
#include "app/window/application.h"
#include "app/window/pictures.h"
#include "app/window/programfiles.h"
#include "app/window/tform1.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const QFont font = dialogFont();
    setFont(font);
    setFixedSize(298, 213);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 281, 161);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);

    ProgramIcon = new DecorationLabel(Panel1); // the texts beside it say it all
    ProgramIcon->setGeometry(24, 8, 32, 32);
    ProgramIcon->setPixmap(programIconPicture());

    ProductName = new QLabel(QStringLiteral("Brindlecap Vex ai File Editor"), Panel1);
    QFont bold = font;
    bold.setBold(true);
    ProductName->setFont(bold);
    ProductName->adjustSize();
    ProductName->move(72, 16);

    Version = new QLabel(QStringLiteral("Version 1.0"), Panel1);
    Version->adjustSize();
    Version->move(72, 32);

    Image1 = new DecorationLabel(Panel1);
    const QPixmap picture = aboutPicture();
    Image1->setPixmap(picture);
    Image1->setGeometry(16, 56, picture.width(), picture.height());

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm1::mnuHelpAboutClick()
{
    app_.dialogs().execModal(aboutBox_);
}

void TForm1::mnuHelpHelpClick()
{
    constexpr int kHelpContents = 3;
    app_.helpCommand(kHelpContents, 0);
}
