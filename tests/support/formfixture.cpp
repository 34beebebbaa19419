#include "support/formfixture.h"

#include <QAction>
#include <QCoreApplication>

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
    form.quietChange = true;
    form.Memo1->setLines(lines);
    form.quietChange = false;
    form.setModified(false);
}

QStringList FormFixture::listItems() const
{
    return form.ListBox1->items();
}

bool FormFixture::dialogsFinished() const
{
    return dialogs.finished();
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
