#include "support/formfixture.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/modeswitch.h"
#include "search/window/findcommand.h"
#include "support/controls.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

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
                .arg(form.document().position().line)
                .arg(form.document().position().insertAt)
                .arg(form.document().position().findFrom)
                .arg(ui(form).modes->linesMode() ? -1 : ui(form).textArea->selStart())
                .arg(form.panel(MainWindow::Panel::Column)),
            QStringLiteral("villagers %1 box %2 undo button %3 marker '%4' mode %5")
                .arg(ui(form).picker->villagerCount())
                .arg(ui(form).villagerBox->text())
                .arg(ui(form).removeLastLineButton->isEnabled())
                .arg(form.panel(MainWindow::Panel::Marker))
                .arg(ui(form).modes->linesMode())};
}

namespace {

// Mouse clicks and key releases reach only a window that is shown.
void showWindowOf(QWidget* control)
{
    QWidget* window = control->window();
    if (!window->isVisible()) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
}

} // namespace

void clickRow(QListWidget* list, int row)
{
    QVERIFY(row >= 0 && row < list->count());
    showWindowOf(list);
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void placeCaret(BuildListTextEdit* text, int offset)
{
    showWindowOf(text);
    text->setSelStart(offset);
    QTest::keyRelease(text, Qt::Key_Shift);
}

QMenu* openLineMenu(QListWidget* list)
{
    QContextMenuEvent press(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QCoreApplication::sendEvent(list, &press);
    return list->findChild<QMenu*>(QStringLiteral("lineMenu"));
}

void chooseFromLineMenu(QListWidget* list, const QString& caption)
{
    QMenu* menu = openLineMenu(list);
    QVERIFY(menu);
    for (QAction* action : menu->actions())
        if (action->text().remove(QLatin1Char('&')) == caption)
            action->trigger();
    menu->close();
}

void setPlace(BuildList& document, int line, int insertAt)
{
    EditPosition p = document.position();
    p.line = line;
    p.insertAt = insertAt;
    document.setPosition(p);
}

QStringList commentLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << line48(QStringLiteral("// line %1").arg(i));
    return lines;
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
