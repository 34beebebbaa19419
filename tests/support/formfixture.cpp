#include "support/formfixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

#include "app/window/tedit.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "search/window/tform2.h"

FormFixture::FormFixture() : windows(createWindows(app)), form(*windows.Form1), form2(*windows.Form2) {}

FormFixture::~FormFixture() = default;

QStringList FormFixture::lines() const
{
    return form.Memo1->lines();
}

QString FormFixture::text() const
{
    return form.Memo1->text();
}

void FormFixture::setLines(const QStringList& lines)
{
    form.document().reset(lines);
}

QStringList FormFixture::listItems() const
{
    return form.ListBox1->items();
}

bool FormFixture::dialogsFinished() const
{
    return dialogs.finished();
}

QStringList windowState(const TForm1& form)
{
    return {form.Memo1->text(), form.ListBox1->items().join(QLatin1Char('|')),
            QStringLiteral("row %1 current %2 insert %3 find %4 caret %5 column %6")
                .arg(form.ListBox1->itemIndex())
                .arg(form.currentLine())
                .arg(form.insertAt())
                .arg(form.findFrom())
                .arg(form.linesMode ? -1 : form.Memo1->selStart())
                .arg(form.panel(TForm1::Panel::Column)),
            QStringLiteral("villagers %1 box %2 undo button %3 marker '%4' mode %5")
                .arg(form.villagerCount())
                .arg(form.txtVillagers->text())
                .arg(form.cmdDelete->isEnabled())
                .arg(form.panel(TForm1::Panel::Marker))
                .arg(form.linesMode)};
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
