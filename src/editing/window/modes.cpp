// Normal mode (the text area) and Lines mode (the list).
#include "buildlist/window/itempicker.h"
#include "editing/window/lineeditor.h"
#include "search/window/findcommand.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"

#include "buildlist/lineformat.h"
#include <QApplication>

#include <QPushButton>

void LineEditor::enterMode(EditMode mode)
{
    const bool lines = mode == EditMode::Lines;
    document_.endTyping();
    linesMode_ = lines;
    emit modeShown(lines);
    modeButton->setText(lines ? tr("Edit Normal") : tr("Edit Lines"));
    picker_->setInserting(lines);
    // The shown control takes the keys before the other is hidden, so the
    // focus goes straight to it rather than on to the next control; even
    // while another window is active, the hidden one must not stay the
    // window's focus child.
    QWidget* shown = lines ? static_cast<QWidget*>(lineList) : textArea;
    QWidget* hidden = lines ? static_cast<QWidget*>(textArea) : lineList;
    shown->setVisible(true);
    shown->setFocus();
    hidden->setVisible(false);
}

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

// A view brought in line with one change of the document: `removed` rows
// at `row` gave way to `inserted`.
void followLines(LineStore& view, const BuildList& document, int row, int removed, int inserted)
{
    if (removed == 1 && inserted == 1) {
        view.setLine(row, document.line(row));
        return;
    }
    if (removed > 0)
        view.removeLines(row, removed);
    if (inserted > 0)
        view.insertLines(row, document.lines().mid(row, inserted));
}

// Whether the text area already shows the document from `row` on, as
// after the user's own typing.
bool textShows(const BuildListTextEdit& text, const BuildList& document, int row, int inserted)
{
    if (text.lineCount() != document.lineCount() || text.endsWithBreak() != document.endsWithBreak())
        return false;
    for (int r = row; r < row + inserted; ++r)
        if (text.line(r) != document.line(r))
            return false;
    return true;
}

} // namespace

void LineEditor::showLinesChanged(int row, int removed, int inserted)
{
    const BuildList& document = document_;
    // The text area follows every change, shown or not.
    if (!textShows(*textArea, document, row, inserted)) {
        if (row == 0 && removed >= textArea->lineCount())
            textArea->setLines(document.lines(), document.endsWithBreak());
        else
            followLines(*textArea, document, row, removed, inserted);
        if (textArea->endsWithBreak() != document.endsWithBreak())
            textArea->setEndsWithBreak(document.endsWithBreak());
    }
    // The list, only while it is shown; otherwise once it is.
    if (!linesMode_) {
        listBehind_ = true;
        return;
    }
    if (listBehind_ || (row == 0 && removed >= lineList->count())) {
        lineList->replaceItems(viewsOf(document.lines()));
        listBehind_ = false;
    } else {
        followLines(*lineList, document, row, removed, inserted);
    }
}

void LineEditor::showLineMoved(int from, int to)
{
    textArea->moveLine(from, to);
    if (!linesMode_ || listBehind_) {
        listBehind_ = true;
        return;
    }
    lineList->moveLine(from, to);
}

void LineEditor::enterLinesMode()
{
    setUndoAvailable(false);
    // The list's text always ends with a line break; a text that had none
    // gains one here, outside any step.
    document_.gainFinalBreak();
    // The list catches up with the document before it takes the focus; the
    // row is chosen first, so that is the row announced.
    lineList->replaceItems(viewsOf(document_.lines()));
    listBehind_ = false;
    if (currentLine_ >= 0)
        lineList->setItemIndex(currentLine_);
    enterMode(EditMode::Lines);
}

void LineEditor::enterNormalMode()
{
    setUndoAvailable(false);
    // The text already shows the document.
    selectRowAsClicked(lineList->itemIndex());
    enterMode(EditMode::Normal);
}

void LineEditor::switchMode()
{
    if (linesMode_)
        enterNormalMode();
    else
        enterLinesMode();
}

void LineEditor::editLines()
{
    if (!linesMode_)
        enterLinesMode();
}

void LineEditor::editNormal()
{
    if (linesMode_)
        enterNormalMode();
}

void LineEditor::rowClicked()
{
    selectRowAsClicked(lineList->itemIndex());
}

void LineEditor::selectRowAsClicked(int row)
{
    lineList->setItemIndex(row);
    const int selected = lineList->itemIndex();
    setCurrentLine(selected);
    find_->setFindFrom(selected);
    // Column 31 of the selected line, under the ruler's first bar; the start
    // of the text when nothing is selected.
    textArea->setSelStart(selected < 0 ? 0 : selected * kLineSlot + kQuantityColumn);
}

namespace {

// The text area is this much wider while a file is read into it, so that
// its long lines are not wrapped.
constexpr int kReadingWidth = 700;

} // namespace

void LineEditor::beginReading()
{
    setUndoAvailable(false);
    // The list stands empty in the text area's place while the file is
    // read; it catches up with the document when it is next shown.
    lineList->clearItems();
    listBehind_ = true;
    enterMode(EditMode::Normal);
    lineList->show();
    textArea->hide();
    textArea->resize(kReadingWidth, textArea->height());
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void LineEditor::endReading()
{
    textArea->resize(kTextAreaWidth, textArea->height());
    textArea->show();
    lineList->hide();
    QApplication::restoreOverrideCursor();
}
