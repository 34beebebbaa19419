// Find: searches the list's lines, without regard to case, from findFrom.
#include "app/application.h"
#include "app/tform1.h"
#include "app/tlistbox.h"
#include "search/tfinddialog.h"

#include <QLocale>

void TForm1::mnuFindClick()
{
    if (!linesMode)
        findFrom = 0;
    app_.dialogs().showModeless(dlgFind);
}

void TForm1::dlgFindFind()
{
    const QLocale locale;
    for (;;) {
        const QString wanted = locale.toLower(dlgFind->findText());
        if (!linesMode)
            cmdEditClick();
        bool hit = false;
        const int count = ListBox1->count();
        // With nothing selected findFrom is -1: the search starts at the top.
        for (int i = qMax(0, findFrom); i < count && !wanted.isEmpty(); ++i) {
            if (locale.toLower(ListBox1->item(i)).contains(wanted)) {
                ListBox1->setItemIndex(i);
                findFrom = i + 1;
                hit = true;
                break;
            }
        }
        insertAt = ListBox1->itemIndex() + 1;
        if (hit)
            return;
        const MsgResult again = app_.dialogs().messageBox(
            dlgFind, QStringLiteral("End of list reached. Try from top of List?"),
            QStringLiteral("Not Found!"), MsgButtons::YesNo, MsgIcon::Question, MsgResult::Yes);
        if (again != MsgResult::Yes)
            return;
        findFrom = 0;
    }
}
