// Find: searches the list's lines, without regard to case, from findFrom.
#include "app/window/application.h"
#include "app/window/buildlistview.h"
#include "app/window/mainwindow.h"
#include "search/window/finddialog.h"
#include "search/window/findmessages.h"

#include <QLocale>

void MainWindow::openFind()
{
    if (!linesMode)
        setFindFrom(0);
    app_.dialogs().showModeless(findDialog);
}

namespace {

// Lower-casing a line by the user's locale and then looking for the
// lower-cased text is the rule. For a text of plain ASCII, outside the
// Turkic locales (where "I" lowers to a dotless i), that is exactly a
// case-insensitive search, which needs no lower-cased copy of every line.
bool plainAsciiSearch(const QString& wanted, const QLocale& locale)
{
    const auto language = locale.language();
    if (language == QLocale::Turkish || language == QLocale::Azerbaijani)
        return false;
    for (QChar c : wanted)
        if (c.unicode() > 127)
            return false;
    return true;
}

bool lineHolds(const QString& line, const QString& wanted, const QLocale& locale, bool ascii)
{
    return ascii ? line.contains(wanted, Qt::CaseInsensitive) : locale.toLower(line).contains(wanted);
}

} // namespace

void MainWindow::findNext()
{
    const QLocale locale;
    for (;;) {
        const QString wanted = locale.toLower(findDialog->findText());
        const bool ascii = plainAsciiSearch(wanted, locale);
        if (!linesMode)
            enterLinesMode();
        bool hit = false;
        // A pass from the top that finds nothing has seen every line.
        const bool fromTop = findFrom_ <= 0;
        const int count = lineList->count();
        // With nothing selected findFrom is -1: the search starts at the top.
        for (int i = qMax(0, findFrom_); i < count && !wanted.isEmpty(); ++i) {
            if (lineHolds(lineList->item(i), wanted, locale, ascii)) {
                lineList->setItemIndex(i);
                setFindFrom(i + 1);
                hit = true;
                break;
            }
        }
        setInsertAt(lineList->itemIndex() + 1);
        if (hit)
            return;
        if (fromTop) {
            app_.dialogs().messageBox(findDialog, FindMessages::kCannotFind.arg(findDialog->findText()),
                                      FindMessages::kNotFoundTitle, MsgButtons::OK, MsgIcon::Exclamation,
                                      MsgResult::OK);
            return;
        }
        const MsgResult again =
            app_.dialogs().messageBox(findDialog, FindMessages::kEndOfList, FindMessages::kNotFoundTitle,
                                      MsgButtons::YesNo, MsgIcon::Question, MsgResult::Yes);
        if (again != MsgResult::Yes)
            return;
        setFindFrom(0);
    }
}
