#include "app/window/accessiblenames.h"

#include "app/window/startup.h"
#include "app/window/tcombobox.h"
#include "app/window/tedit.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "app/window/tstatusbar.h"
#include "app/window/tupdown.h"
#include "search/window/tcheckorder.h"
#include "search/window/tform2.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

void name(QWidget* control, const QString& name, const QString& description = QString())
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

// A picture or text only for the eye: present to assistive tools as
// nothing, invisible and without a role.
class DecorationInterface : public QAccessibleWidget {
public:
    explicit DecorationInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::NoRole) {}
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.focusable = false;
        return state;
    }
    QString text(QAccessible::Text) const override { return QString(); }
};

QAccessibleInterface* decorationFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("DecorationLabel") && object && object->isWidgetType())
        return new DecorationInterface(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void nameControlsForScreenReaders(Windows& windows)
{
    static const bool decorationsKnown = [] {
        QAccessible::installFactory(decorationFactory);
        return true;
    }();
    Q_UNUSED(decorationsKnown);
    TForm1& f = *windows.Form1;
    name(f.Image1, QStringLiteral("Remove line: drop a line here"),
         QStringLiteral("In Lines mode, a line dragged onto this picture is removed from the build list. "
                        "The Remove item of a row's context menu does the same."));
    name(f.cboList, QStringLiteral("Item"), QStringLiteral("The unit, building or research item to append"));
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
    f.Status->setPanelAccessibleName(int(TForm1::Panel::File), QStringLiteral("File"),
                                     QStringLiteral("The open file's name"));
    f.Status->setPanelAccessibleName(int(TForm1::Panel::Mode), QStringLiteral("Mode"),
                                     QStringLiteral("Normal or Lines"));
    f.Status->setPanelAccessibleName(int(TForm1::Panel::Column), QStringLiteral("Column"),
                                     QStringLiteral("The caret's column in the line"));
    f.Status->setPanelAccessibleName(int(TForm1::Panel::Marker), QStringLiteral("Unsaved"),
                                     QStringLiteral("Shows when there is unsaved work"));

    TForm2& count = *windows.Form2;
    name(count.cboSrchUnit, QStringLiteral("Unit to count"),
         QStringLiteral("The unit whose lines are counted"));
    name(count.Memo2, QStringLiteral("Counts"),
         QStringLiteral("Comment lines with the counts, to put at the top"));

    TCheckOrder& check = *windows.CheckOrder;
    name(check.lstProblems, QStringLiteral("Problems"),
         QStringLiteral("Lines the picker would not have offered where they stand; choose one to select it"));
}
