#include "about/window/aboutbox.h"
#include "widgets/decorationlabel.h"
#include "widgets/pictures.h"
#include "widgets/programfiles.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const QFont font = dialogFont();
    setFont(font);
    setFixedSize(298, 213);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 281, 161);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);

    auto* programIcon = new DecorationLabel(panel); // the texts beside it say it all
    programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon->setGeometry(24, 8, 32, 32);
    programIcon->setPixmap(programIconPicture());

    auto* productName = new QLabel(tr("Brindlecap Vex ai File Editor"), panel);
    productName->setObjectName(QStringLiteral("ProductName"));
    QFont bold = font;
    bold.setBold(true);
    productName->setFont(bold);
    productName->adjustSize();
    productName->move(72, 16);

    auto* version = new QLabel(tr("Version 1.0"), panel);
    version->setObjectName(QStringLiteral("Version"));
    version->adjustSize();
    version->move(72, 32);

    auto* picture = new DecorationLabel(panel);
    picture->setObjectName(QStringLiteral("Image1"));
    const QPixmap drawn = aboutPicture();
    picture->setPixmap(drawn);
    picture->setGeometry(16, 56, drawn.width(), drawn.height());

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(111, 180, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
