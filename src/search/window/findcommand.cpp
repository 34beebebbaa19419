#include "search/window/findcommand.h"

#include "buildlist/buildlist.h"
#include "search/window/finddialog.h"
#include "search/window/findmessages.h"
#include "widgets/application.h"

#include <QLocale>

FindCommand::FindCommand(Application& app, BuildList& document, QWidget* window)
    : QObject(window), app_(app), document_(document), dialog_(new FindDialog(window))
{
    setObjectName(QStringLiteral("findCommand"));
    dialog_->setObjectName(QStringLiteral("dlgFind"));
    connect(dialog_, &FindDialog::findNextPressed, this, app_.guarded(this, &FindCommand::findNext));
}

void FindCommand::setFindFrom(int line)
{
    EditPosition p = document_.position();
    p.findFrom = line;
    document_.setPosition(p);
}

void FindCommand::open(bool keepPlace)
{
    if (!keepPlace)
        setFindFrom(0);
    app_.dialogs().showModeless(dialog_);
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

void FindCommand::findNext()
{
    const QLocale locale;
    for (;;) {
        const QString wanted = locale.toLower(dialog_->findText());
        const bool ascii = plainAsciiSearch(wanted, locale);
        emit searching();
        bool hit = false;
        const int findFrom = document_.position().findFrom;
        // A pass from the top that finds nothing has seen every line.
        const bool fromTop = findFrom <= 0;
        const QStringList& lines = document_.lines();
        const int count = int(lines.size());
        // With nothing selected findFrom is -1: the search starts at the top.
        for (int i = qMax(0, findFrom); i < count && !wanted.isEmpty(); ++i) {
            if (lineHolds(lines.at(i), wanted, locale, ascii)) {
                EditPosition p = document_.position();
                p.selectedRow = i;
                p.findFrom = i + 1;
                document_.setPosition(p);
                hit = true;
                break;
            }
        }
        // Found or not, Insert goes below the selected line.
        EditPosition p = document_.position();
        p.insertAt = p.selectedRow + 1;
        document_.setPosition(p);
        if (hit)
            return;
        if (fromTop) {
            app_.dialogs().messageBox(dialog_, FindMessages::kCannotFind.arg(dialog_->findText()),
                                      FindMessages::kNotFoundTitle, MsgButtons::OK, MsgIcon::Exclamation,
                                      MsgResult::OK);
            return;
        }
        const MsgResult again =
            app_.dialogs().messageBox(dialog_, FindMessages::kEndOfList, FindMessages::kNotFoundTitle,
                                      MsgButtons::YesNo, MsgIcon::Question, MsgResult::Yes);
        if (again != MsgResult::Yes)
            return;
        setFindFrom(0);
    }
}
