// Normal mode (the text area) and Lines mode (the list).
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "buildlist/lineformat.h"
#include "editing/window/edithistory.h"

#include <QPushButton>

void TForm1::enterMode(EditMode mode)
{
    const bool lines = mode == EditMode::Lines;
    history_->endTyping();
    linesMode = lines;
    setPanel(Panel::Mode, lines ? QStringLiteral("Lines") : QStringLiteral("Normal"));
    cmdEdit->setText(lines ? QStringLiteral("Edit Normal") : QStringLiteral("Edit Lines"));
    cmdAdd->setText(lines ? QStringLiteral("Insert") : QStringLiteral("Append"));
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

// The list's items become the text area's text, every item followed by
// CR LF; the text is replaced only when it differs.
void TForm1::copyListToText()
{
    Memo1->replaceLines(ListBox1->items());
}

QStringList TForm1::liveLines() const
{
    return linesMode ? ListBox1->items() : Memo1->lines();
}

void TForm1::bringTextUpToDate()
{
    if (linesMode)
        copyListToText();
}

void TForm1::enterLinesMode()
{
    setUndoAvailable(false);
    // The list's text always ends with a line break; a text that had none
    // gains one here, outside any step.
    if (!Memo1->endsWithBreak())
        history_->textGainedBreak();
    // The text area's lines are its text split at every break. The row is
    // chosen before the list takes the focus, so that is the row announced.
    ListBox1->replaceItems(Memo1->lineViews());
    if (currentLine_ >= 0)
        ListBox1->setItemIndex(currentLine_);
    enterMode(EditMode::Lines);
}

void TForm1::enterNormalMode()
{
    setUndoAvailable(false);
    copyListToText();
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
