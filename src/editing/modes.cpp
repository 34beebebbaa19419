// Normal mode (the text area) and Lines mode (the list).
#include "app/tform1.h"
#include "app/tlistbox.h"
#include "app/tmemo.h"
#include "buildlist/lineformat.h"

#include <QPushButton>

void TForm1::showMode(bool lines)
{
    setPanel(PanelMode, lines ? QStringLiteral("Lines") : QStringLiteral("Normal"));
    cmdEdit->setText(lines ? QStringLiteral("Edit Normal") : QStringLiteral("Edit Lines"));
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
    showMode(true);
    // The text area's lines are its text split at every break.
    ListBox1->replaceItems(Memo1->lineViews());
    ListBox1->show();
    Memo1->hide();
    cmdAdd->setText(QStringLiteral("Insert"));
    linesMode = true;
    if (currentLine >= 0)
        ListBox1->setItemIndex(currentLine);
    // The list takes the keys now, even while another window is active:
    // the hidden text area must not stay the window's focus child.
    ListBox1->setFocus();
}

void TForm1::enterNormalMode()
{
    cmdDelete->setEnabled(false);
    showMode(false);
    copyListToText();
    ListBox1Click();
    Memo1->show();
    ListBox1->hide();
    cmdAdd->setText(QStringLiteral("Append"));
    linesMode = false;
    Memo1->setFocus();
}

void TForm1::cmdEditClick()
{
    if (panel(PanelMode) == QLatin1String("Normal"))
        enterLinesMode();
    else
        enterNormalMode();
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
