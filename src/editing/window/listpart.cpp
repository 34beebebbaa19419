#include "editing/window/listpart.h"

#include "buildlist/buildlist.h"
#include "editing/linerules.h"
#include "editing/window/dragcontroller.h"
#include "widgets/application.h"
#include "widgets/buildlistview.h"
#include "widgets/linenotes.h"
#include "widgets/objectnames.h"
#include "widgets/pictures.h"
#include "widgets/placedcontrols.h"
#include "widgets/programfiles.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>

ListPart::ListPart(Application& app, BuildList& document, QWidget* client)
    : QObject(client), app_(app), document_(document)
{
    setObjectName(QStringLiteral("listPart"));
    createControls(client);
    wireControls();
    nameForScreenReaders();
}

ListPart::~ListPart()
{
    document_.disconnect(this);
}

void ListPart::createControls(QWidget* client)
{
    lineList = place(new BuildListView(client), 16, 112, 213, 171);
    lineList->setFont(fixedPitchFont(false));
    lineList->hide();

    toilet = place(new QLabel(client), 244, 338, 33, 33);
    toilet->setPixmap(toiletPicture());
    toilet->setAlignment(Qt::AlignCenter);

    setObjectNames({{lineList, "ListBox1"}, {toilet, "Image1"}});
}

void ListPart::nameForScreenReaders()
{
    toilet->setAccessibleName(tr("Remove line: drop a line here"));
    toilet->setAccessibleDescription(
        tr("In Lines mode, a line dragged onto this picture is removed from the build list. "
           "The Remove item of a row's context menu does the same."));
    lineList->setAccessibleName(tr("Build list"));
    lineList->setAccessibleDescription(tr("One row per line. Alt+Up and Alt+Down move the selected line; "
                                          "the context menu moves or removes it."));
}

void ListPart::wireControls()
{
    connect(&document_, &BuildList::linesChanged, this, &ListPart::showLinesChanged);
    connect(&document_, &BuildList::lineMoved, this, &ListPart::showLineMoved);
    connect(&document_, &BuildList::positionChanged, this, &ListPart::showPosition);
    connect(&document_, &BuildList::stepTravelled, this, &ListPart::showTravel);

    connect(lineList, &BuildListView::clickedByUser, this, app_.guarded(this, &ListPart::rowClicked));
    connect(lineList, &BuildListView::mousePressed, this, app_.guarded(this, &ListPart::startLineDrag));
    connect(lineList, &BuildListView::moveKeyPressed, this, app_.guarded(this, &ListPart::moveSelectedLine));
    connect(lineList, &BuildListView::contextMenuAsked, this, app_.guarded(this, &ListPart::showLineMenu));

    drag_ = new DragController(lineList->window(), app_);
    drag_->addControl(lineList, DragController::Reaction::TakesDrops);
    drag_->addControl(toilet, DragController::Reaction::TakesDrops);
    connect(drag_, &DragController::draggedOver, this,
            [this](QWidget* control, const QPoint& pos, bool*) { dragOver(control, pos); });
    connect(drag_, &DragController::droppedOn, this,
            [this](QWidget* control, const QPoint&) { dropOn(control); });
}

QWidgetList ListPart::viewFocusOrder() const
{
    return {lineList};
}

QWidgetList ListPart::controls() const
{
    return {lineList, toilet};
}

void ListPart::addDragSurface(QWidget* control, bool showsNoDrop)
{
    drag_->addControl(control,
                      showsNoDrop ? DragController::Reaction::Hovers : DragController::Reaction::Refuses);
}

void ListPart::setViewArea(const QRect& area)
{
    lineList->setGeometry(area);
}

// --- the mode ------------------------------------------------------------------

namespace {

// The document's lines as the list reads them, without a copy.
QList<QStringView> viewsOf(const QStringList& lines)
{
    QList<QStringView> views;
    views.reserve(lines.size());
    for (const QString& line : lines)
        views.append(line);
    return views;
}

} // namespace

void ListPart::prepareForMode(bool lines)
{
    if (!lines) {
        // The selected row becomes the current line, as if clicked.
        if (shown_)
            document_.selectLine(document_.position().selectedRow);
        return;
    }
    // The list's text always ends with a line break; a text that had none
    // gains one here, outside any step.
    document_.gainFinalBreak();
    // The list catches up with the document before it takes the focus; the
    // row is chosen first, so that is the row announced.
    lineList->replaceItems(viewsOf(document_.lines()));
    behind_ = false;
    EditPosition p = document_.position();
    p.selectedRow = p.line >= 0 && p.line < document_.lineCount() ? p.line : -1;
    document_.setPosition(p);
    lineList->setItemIndex(p.selectedRow);
}

void ListPart::showForMode(bool lines)
{
    if (!lines)
        return;
    shown_ = true;
    lineList->setVisible(true);
    lineList->setFocus();
}

void ListPart::hideForMode(bool lines)
{
    if (lines)
        return;
    shown_ = false;
    lineList->setVisible(false);
}

void ListPart::standInForText()
{
    lineList->clearItems();
    behind_ = true;
    lineList->show();
}

void ListPart::endStandIn()
{
    lineList->setVisible(shown_);
}

void ListPart::focusList()
{
    lineList->setFocus(Qt::OtherFocusReason);
}

void ListPart::markProblemLines(const QList<int>& lines, const QStringList& texts)
{
    lineList->setMarkedRows(lineNotes(lines, texts));
}

// --- the document shown --------------------------------------------------------

void ListPart::showLinesChanged(int row, int removed, int inserted)
{
    if (!shown_) {
        behind_ = true;
        return;
    }
    if (behind_ || (row == 0 && removed >= lineList->count())) {
        lineList->replaceItems(viewsOf(document_.lines()));
        behind_ = false;
    } else if (removed == 1 && inserted == 1) {
        lineList->setLine(row, document_.line(row));
    } else {
        if (removed > 0)
            lineList->removeLines(row, removed);
        if (inserted > 0)
            lineList->insertLines(row, document_.lines().mid(row, inserted));
    }
}

void ListPart::showLineMoved(int from, int to)
{
    if (!shown_ || behind_) {
        behind_ = true;
        return;
    }
    lineList->moveLine(from, to);
}

void ListPart::showPosition()
{
    if (!shown_ || behind_)
        return;
    const int selected = document_.position().selectedRow;
    if (lineList->itemIndex() != selected)
        lineList->setItemIndex(selected);
}

void ListPart::showTravel()
{
    if (!shown_)
        return;
    const EditPosition& p = document_.position();
    keepARowCurrent(p.selectedRow >= 0 ? p.selectedRow : p.line);
    // While the list is shown the text ends with a break, as it does when
    // the list takes its place. A step made before then, in a text without
    // one, would take it away again: it is gained again, and the steps on
    // either side of where the history now stands lead to it.
    document_.gainFinalBreak();
}

void ListPart::keepARowCurrent(int row)
{
    const int count = lineList->count();
    if (lineList->currentRow() >= 0 || count == 0)
        return;
    lineList->selectionModel()->setCurrentIndex(lineList->model()->index(qBound(0, row, count - 1), 0),
                                                QItemSelectionModel::NoUpdate);
}

// --- clicks, keys and the menu -------------------------------------------------

void ListPart::rowClicked()
{
    document_.selectLine(lineList->itemIndex());
}

void ListPart::moveLine(int from, int to)
{
    const LineMove move = planLineMove(from, to, lineList->count());
    if (!move.moves)
        return;
    const BuildList::Change change(document_, LineStep::Kind::MoveLine);
    document_.moveLine(from, move.landsAt);
    // The moved line is selected as if clicked, so Insert goes below it.
    document_.selectLine(move.landsAt);
}

void ListPart::removeLine(int row)
{
    // The recount that follows may stop at a bad quantity once the line is
    // gone: the step is made either way.
    const BuildList::Change change(document_, LineStep::Kind::RemoveLine);
    if (row >= 0 && row < document_.lineCount())
        document_.removeLines(LineStep::Kind::RemoveLine, row, 1);
    // The line last selected is selected again by the program.
    EditPosition p = document_.position();
    p.insertAt = insertAtAfterRemoval(p.insertAt);
    p.selectedRow = p.line < document_.lineCount() ? p.line : p.selectedRow;
    document_.setPosition(p);
    keepARowCurrent(row);
    emit lineRemoved();
}

void ListPart::moveSelectedLine(int rows)
{
    const int row = lineList->itemIndex();
    const LineMoveTargets targets = lineMoveTargets(row, lineList->count());
    const int to = rows < 0 ? targets.up : targets.down;
    if (!shown_ || to < 0)
        return;
    // Taken as a drag takes it: as if clicked first.
    document_.selectLine(row);
    moveLine(row, to);
}

void ListPart::removeSelectedLine()
{
    const int row = lineList->itemIndex();
    if (!shown_ || !lineMoveTargets(row, lineList->count()).removable)
        return;
    document_.selectLine(row);
    removeLine(row);
}

void ListPart::showLineMenu(const QPoint& globalPos)
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
    keysOf(menu->addAction(tr("Move &Up"), [this] { app_.guard([this] { moveSelectedLine(-1); }); }),
           QKeySequence(Qt::ALT | Qt::Key_Up), targets.up >= 0);
    keysOf(menu->addAction(tr("Move &Down"), [this] { app_.guard([this] { moveSelectedLine(1); }); }),
           QKeySequence(Qt::ALT | Qt::Key_Down), targets.down >= 0);
    menu->addAction(tr("&Remove"), [this] { app_.guard([this] { removeSelectedLine(); }); });
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

// --- the drag ------------------------------------------------------------------

void ListPart::startLineDrag(Qt::MouseButton button, const QPoint& pos)
{
    // The right button opens the rows' menu, which a drag must not follow.
    if (button == Qt::RightButton)
        return;
    dragFrom_ = lineList->itemIndex();
    drag_->beginDrag(lineList, lineList->viewport()->mapToGlobal(pos));
}

void ListPart::dragOver(QWidget* control, const QPoint& pos)
{
    if (control == lineList) {
        lineList->dragCursor = Qt::DragMoveCursor;
        dragTo_ = qMin(lineList->itemAtPos(pos), lineList->count());
    } else if (control == toilet) {
        lineList->dragCursor = Qt::DragMoveCursor;
    } else {
        lineList->dragCursor = Qt::ForbiddenCursor;
    }
}

void ListPart::dropOn(QWidget* control)
{
    if (control == lineList)
        moveLine(dragFrom_, dragTo_);
    else if (control == toilet)
        removeLine(dragFrom_);
}
