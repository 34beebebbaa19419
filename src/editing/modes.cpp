// Normal mode (the text area) and Lines mode (the list).
#include "app/tform1.h"
#include "app/tlistbox.h"
#include "app/tmemo.h"
#include "buildlist/lineformat.h"

#include <QPushButton>

void TForm1::enterMode(EditMode mode)
{
    const bool lines = mode == EditMode::Lines;
    linesMode = lines;
    setPanel(Panel::Mode, lines ? QStringLiteral("Lines") : QStringLiteral("Normal"));
    cmdEdit->setText(lines ? QStringLiteral("Edit Normal") : QStringLiteral("Edit Lines"));
    cmdAdd->setText(lines ? QStringLiteral("Insert") : QStringLiteral("Append"));
    ListBox1->setVisible(lines);
    Memo1->setVisible(!lines);
    // The shown control takes the keys, even while another window is
    // active: the hidden one must not stay the window's focus child.
    if (lines)
        ListBox1->setFocus();
    else
        Memo1->setFocus();
}

// The list's items become the text area's text, every item followed by
// CR LF; the text is replaced only when it differs.
void TForm1::copyListToText()
{
    Memo1->replaceLines(ListBox1->items());
}

void TForm1::enterLinesMode()
{
    cmdDelete->setEnabled(false);
    // The text area's lines are its text split at every break.
    ListBox1->replaceItems(Memo1->lineViews());
    enterMode(EditMode::Lines);
    if (currentLine >= 0)
        ListBox1->setItemIndex(currentLine);
}

void TForm1::enterNormalMode()
{
    cmdDelete->setEnabled(false);
    copyListToText();
    ListBox1Click();
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
    const int selected = ListBox1->itemIndex();
    currentLine = selected;
    insertAt = selected + 1;
    findFrom = selected;
    // Column 31 of the selected line, under the ruler's first bar; the start
    // of the text when nothing is selected.
    Memo1->setSelStart(selected < 0 ? 0 : selected * kLineSlot + kQuantityColumn);
}
