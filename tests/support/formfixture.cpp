#include "support/formfixture.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/lineeditor.h"
#include "search/window/findcommand.h"
#include "support/controls.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

#include "app/mainwindow.h"
#include "search/window/countwindow.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/textbox.h"

FormFixture::FormFixture()
    : windows(createWindows(app)), form(*windows.mainWindow), form2(*windows.countWindow)
{
}

FormFixture::~FormFixture() = default;

PartFixture::PartFixture(const QStringList& lines)
{
    catalog.fill();
    if (!lines.isEmpty())
        document.reset(lines);
}

PartFixture::~PartFixture() = default;

QStringList FormFixture::lines() const
{
    return ui(form).textArea->lines();
}

QString FormFixture::text() const
{
    return ui(form).textArea->text();
}

void FormFixture::setLines(const QStringList& lines)
{
    form.document().reset(lines);
}

QStringList FormFixture::listItems() const
{
    return ui(form).lineList->items();
}

bool FormFixture::dialogsFinished() const
{
    return dialogs.finished();
}

QStringList windowState(const MainWindow& form)
{
    return {ui(form).textArea->text(), ui(form).lineList->items().join(QLatin1Char('|')),
            QStringLiteral("row %1 current %2 insert %3 find %4 caret %5 column %6")
                .arg(ui(form).lineList->itemIndex())
                .arg(ui(form).editor->currentLine())
                .arg(ui(form).editor->insertAt())
                .arg(ui(form).find->findFrom())
                .arg(ui(form).editor->linesMode() ? -1 : ui(form).textArea->selStart())
                .arg(form.panel(MainWindow::Panel::Column)),
            QStringLiteral("villagers %1 box %2 undo button %3 marker '%4' mode %5")
                .arg(ui(form).picker->villagerCount())
                .arg(ui(form).villagerBox->text())
                .arg(ui(form).removeLastLineButton->isEnabled())
                .arg(form.panel(MainWindow::Panel::Marker))
                .arg(ui(form).editor->linesMode())};
}

QString line48(const QString& start)
{
    return start.leftJustified(48, QLatin1Char(' '));
}

void choose(QAction* action)
{
    action->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}
