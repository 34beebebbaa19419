#include "app/window/accessiblenames.h"

#include "app/window/tcombobox.h"
#include "app/window/tedit.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "app/window/tstatusbar.h"
#include "app/window/tupdown.h"
#include "search/window/tcheckorder.h"
#include "search/window/tform2.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {

void name(QWidget* control, const QString& name, const QString& description = QString())
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

} // namespace

void nameControlsForScreenReaders(TForm1& f, TForm2& count, TCheckOrder& check)
{
    name(f.Image1, QStringLiteral("Remove line: drop a line here"),
         QStringLiteral("In Lines mode, a line dragged onto this picture is removed from the build list. "
                        "The Remove item of a row's context menu does the same."));
    name(f.cboList, QStringLiteral("Item"), QStringLiteral("The unit, building or research item to append"));
    name(f.cboList->lineEdit(), QStringLiteral("Item"), QStringLiteral("Type the start of an item's name"));
    name(f.txtCount, QStringLiteral("Quantity"), QStringLiteral("How many of the item the line asks for"));
    name(f.UpDown1, QStringLiteral("Quantity spinner"), QStringLiteral("Raises or lowers the quantity"));
    name(f.txtRetrains, QStringLiteral("Retrains"),
         QStringLiteral("The retrain limit, when Limit is ticked"));
    name(f.UpDown2, QStringLiteral("Retrains spinner"), QStringLiteral("Raises or lowers the retrain limit"));
    name(f.Memo1, QStringLiteral("Build list"),
         QStringLiteral("The build list as text, one 48-character line per step"));
    name(f.ListBox1, QStringLiteral("Build list"),
         QStringLiteral("One row per line. Alt+Up and Alt+Down move the selected line; "
                        "the context menu moves or removes it."));
    name(f.txtVillagers, QStringLiteral("Villagers"),
         QStringLiteral("How many villagers the build list trains"));
    // The panels are read as what they mean, and heard again as they change.
    auto labelled = [](const QString& label, const QString& none) {
        return [=](const QString& text) { return label + (text.isEmpty() ? none : text); };
    };
    f.Status->setPanelSpeech(int(TForm1::Panel::File),
                             labelled(QStringLiteral("File: "), QStringLiteral("none")),
                             QStringLiteral("The open file's name"));
    f.Status->setPanelSpeech(int(TForm1::Panel::Mode),
                             labelled(QStringLiteral("Mode: "), QStringLiteral("Normal")),
                             QStringLiteral("Normal or Lines"));
    f.Status->setPanelSpeech(int(TForm1::Panel::Column),
                             labelled(QStringLiteral("Column: "), QStringLiteral("none")),
                             QStringLiteral("The caret's column in the line"));
    f.Status->setPanelSpeech(
        int(TForm1::Panel::Marker),
        [](const QString& text) {
            return text.isEmpty() ? QStringLiteral("Saved") : QStringLiteral("Unsaved changes");
        },
        QStringLiteral("Whether there is unsaved work"));
    // Its caption says which mode it enters; its tooltip only "Drag & drop".
    f.cmdEdit->setAccessibleDescription(
        QStringLiteral("Switches between editing the text and moving whole lines in a list"));
    name(f.UpDown1->upArrow(), QStringLiteral("Increase quantity"));
    name(f.UpDown1->downArrow(), QStringLiteral("Decrease quantity"));
    name(f.UpDown2->upArrow(), QStringLiteral("Increase retrains"));
    name(f.UpDown2->downArrow(), QStringLiteral("Decrease retrains"));

    // A label names the field it stands beside.
    f.Label1->setBuddy(f.txtCount);
    f.Label2->setBuddy(f.txtRetrains);
    f.Label4->setBuddy(f.txtVillagers);

    name(count.cboSrchUnit, QStringLiteral("Unit to count"),
         QStringLiteral("The unit whose lines are counted"));
    name(count.cboSrchUnit->lineEdit(), QStringLiteral("Unit to count"));
    name(count.Memo2, QStringLiteral("Counts"),
         QStringLiteral("Comment lines with the counts, to put at the top"));

    name(check.lstProblems, QStringLiteral("Problems"),
         QStringLiteral("Lines the picker would not have offered where they stand; choose one to select it"));
}
