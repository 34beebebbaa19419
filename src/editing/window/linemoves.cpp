// Lines mode without dragging: Alt+Up and Alt+Down move the selected line,
// and the rows' context menu moves or removes it. Each takes the road a
// drag takes, so the effects are the drag's own.
#include "editing/linerules.h"
#include "editing/window/lineeditor.h"
#include "widgets/application.h"
#include "widgets/buildlistview.h"

#include <QMenu>

void LineEditor::moveSelectedLine(int rows)
{
    const LineMoveTargets targets = lineMoveTargets(lineList->itemIndex(), lineList->count());
    const int to = rows < 0 ? targets.up : targets.down;
    if (!linesMode_ || to < 0)
        return;
    // Taken as a drag takes it: as if clicked first.
    const int row = lineList->itemIndex();
    selectRowAsClicked(row);
    moveLine(row, to);
}

void LineEditor::removeSelectedLine()
{
    if (!linesMode_ || !lineMoveTargets(lineList->itemIndex(), lineList->count()).removable)
        return;
    const int row = lineList->itemIndex();
    selectRowAsClicked(row);
    removeLine(row);
}

void LineEditor::showLineMenu(const QPoint& globalPos)
{
    const LineMoveTargets targets = lineMoveTargets(lineList->itemIndex(), lineList->count());
    if (!targets.removable)
        return;
    // One menu, made again each time with what applies to the selected row;
    // it pops up and returns at once, its items run through the guard.
    delete lineList->findChild<QMenu*>(QStringLiteral("lineMenu"));
    auto* menu = new QMenu(lineList);
    menu->setObjectName(QStringLiteral("lineMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setTitle(tr("Line"));
    menu->setAccessibleName(tr("Line"));
    // The keys that do the same are the items' shortcuts, shown as a menu
    // shows them and told to a screen reader as keys, not read as part of
    // the name; outside the menu the list box handles them itself.
    auto keysOf = [](QAction* action, const QKeySequence& keys, bool enabled) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        action->setEnabled(enabled);
    };
    keysOf(menu->addAction(tr("Move &Up"), app_.guarded(this, &LineEditor::moveSelectedLineUp)),
           QKeySequence(Qt::ALT | Qt::Key_Up), targets.up >= 0);
    keysOf(menu->addAction(tr("Move &Down"), app_.guarded(this, &LineEditor::moveSelectedLineDown)),
           QKeySequence(Qt::ALT | Qt::Key_Down), targets.down >= 0);
    menu->addAction(tr("&Remove"), app_.guarded(this, &LineEditor::removeSelectedLine));
    menu->popup(globalPos);
    // The first item that can be chosen is highlighted, so that a screen
    // reader names it and Enter chooses it.
    for (QAction* action : menu->actions()) {
        if (action->isEnabled()) {
            menu->setActiveAction(action);
            break;
        }
    }
}
