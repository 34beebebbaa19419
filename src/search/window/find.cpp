// Find: searches the list's lines, without regard to case, from findFrom.
#include "app/window/application.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "search/window/findmessages.h"
#include "search/window/tfinddialog.h"

#include <QLocale>

void TForm1::mnuFindClick()
{
    if (!linesMode)
        setFindFrom(0);
    app_.dialogs().showModeless(dlgFind);
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

void TForm1::dlgFindFind()
{
    const QLocale locale;
    for (;;) {
        const QString wanted = locale.toLower(dlgFind->findText());
        const bool ascii = plainAsciiSearch(wanted, locale);
        if (!linesMode)
            enterLinesMode();
        bool hit = false;
        // A pass from the top that finds nothing has seen every line.
        const bool fromTop = findFrom_ <= 0;
        const int count = ListBox1->count();
        // With nothing selected findFrom is -1: the search starts at the top.
        for (int i = qMax(0, findFrom_); i < count && !wanted.isEmpty(); ++i) {
            if (lineHolds(ListBox1->item(i), wanted, locale, ascii)) {
                ListBox1->setItemIndex(i);
                setFindFrom(i + 1);
                hit = true;
                break;
            }
        }
        setInsertAt(ListBox1->itemIndex() + 1);
        if (hit)
            return;
        if (fromTop) {
            app_.dialogs().messageBox(dlgFind, FindMessages::kCannotFind.arg(dlgFind->findText()),
                                      FindMessages::kNotFoundTitle, MsgButtons::OK, MsgIcon::Exclamation,
                                      MsgResult::OK);
            return;
        }
        const MsgResult again =
            app_.dialogs().messageBox(dlgFind, FindMessages::kEndOfList, FindMessages::kNotFoundTitle,
                                      MsgButtons::YesNo, MsgIcon::Question, MsgResult::Yes);
        if (again != MsgResult::Yes)
            return;
        setFindFrom(0);
    }
}
