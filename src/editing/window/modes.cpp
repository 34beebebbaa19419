// Normal mode (the text area) and Lines mode (the list).
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "buildlist/lineformat.h"

#include <QPushButton>

void TForm1::enterMode(EditMode mode)
{
    const bool lines = mode == EditMode::Lines;
    document_->endTyping();
    linesMode = lines;
    setPanel(Panel::Mode, lines ? tr("Lines") : tr("Normal"));
    cmdEdit->setText(lines ? tr("Edit Normal") : tr("Edit Lines"));
    cmdAdd->setText(lines ? tr("Insert") : tr("Append"));
    // The shown control takes the keys before the other is hidden, so the
    // focus goes straight to it rather than on to the next control; even
    // while another window is active, the hidden one must not stay the
    // window's focus child.
    QWidget* shown = lines ? static_cast<QWidget*>(ListBox1) : Memo1;
    QWidget* hidden = lines ? static_cast<QWidget*>(Memo1) : ListBox1;
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

// Whether the text area already shows the document from `row` on, as
// after the user's own typing.
bool textShows(const TMemo& text, const BuildList& document, int row, int inserted)
{
    if (text.lineCount() != document.lineCount() || text.endsWithBreak() != document.endsWithBreak())
        return false;
    for (int r = row; r < row + inserted; ++r)
        if (text.line(r) != document.line(r))
            return false;
    return true;
}

} // namespace

void TForm1::showLinesChanged(int row, int removed, int inserted)
{
    const BuildList& document = *document_;
    // The text area follows every change, shown or not.
    if (!textShows(*Memo1, document, row, inserted)) {
        if (row == 0 && removed >= Memo1->lineCount()) {
            Memo1->setLines(document.lines(), document.endsWithBreak());
        } else if (removed == 1 && inserted == 1) {
            Memo1->setLine(row, document.line(row));
        } else {
            if (removed > 0)
                Memo1->removeLines(row, removed);
            if (inserted > 0)
                Memo1->insertLines(row, document.lines().mid(row, inserted));
        }
        if (Memo1->endsWithBreak() != document.endsWithBreak())
            Memo1->setEndsWithBreak(document.endsWithBreak());
    }
    // The list, only while it is shown; otherwise once it is.
    if (!linesMode) {
        listBehind_ = true;
        return;
    }
    if (listBehind_ || (row == 0 && removed >= ListBox1->count())) {
        ListBox1->replaceItems(viewsOf(document.lines()));
        listBehind_ = false;
    } else if (removed == 1 && inserted == 1) {
        ListBox1->setLine(row, document.line(row));
    } else {
        if (removed > 0)
            ListBox1->removeLines(row, removed);
        if (inserted > 0)
            ListBox1->insertLines(row, document.lines().mid(row, inserted));
    }
}

void TForm1::showLineMoved(int from, int to)
{
    Memo1->moveLine(from, to);
    if (!linesMode || listBehind_) {
        listBehind_ = true;
        return;
    }
    ListBox1->moveLine(from, to);
}

void TForm1::enterLinesMode()
{
    setUndoAvailable(false);
    // The list's text always ends with a line break; a text that had none
    // gains one here, outside any step.
    document_->gainFinalBreak();
    // The list catches up with the document before it takes the focus; the
    // row is chosen first, so that is the row announced.
    ListBox1->replaceItems(viewsOf(document_->lines()));
    listBehind_ = false;
    if (currentLine_ >= 0)
        ListBox1->setItemIndex(currentLine_);
    enterMode(EditMode::Lines);
}

void TForm1::enterNormalMode()
{
    setUndoAvailable(false);
    // The text already shows the document.
    selectRowAsClicked(ListBox1->itemIndex());
    enterMode(EditMode::Normal);
}

void TForm1::cmdEditClick()
{
    if (linesMode)
        enterNormalMode();
    else
        enterLinesMode();
}

void TForm1::mnuEditLinesClick()
{
    if (!linesMode)
        enterLinesMode();
}

void TForm1::mnuEditNormalClick()
{
    if (linesMode)
        enterNormalMode();
}

void TForm1::ListBox1Click()
{
    selectRowAsClicked(ListBox1->itemIndex());
}

void TForm1::selectRowAsClicked(int row)
{
    ListBox1->setItemIndex(row);
    const int selected = ListBox1->itemIndex();
    setCurrentLine(selected);
    setFindFrom(selected);
    // Column 31 of the selected line, under the ruler's first bar; the start
    // of the text when nothing is selected.
    Memo1->setSelStart(selected < 0 ? 0 : selected * kLineSlot + kQuantityColumn);
}
