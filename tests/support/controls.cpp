#include "support/controls.h"

#include "app/mainwindow.h"
#include "app/statuspanels.h"
#include "buildlist/window/itempicker.h"
#include "buildlist/window/steppededit.h"
#include "buildlist/window/updownarrows.h"
#include "editing/window/listpart.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "files/window/filecommands.h"
#include "search/window/checkorderwindow.h"
#include "search/window/countwindow.h"
#include "search/window/findcommand.h"
#include "search/window/finddialog.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"
#include "widgets/textbox.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <map>

namespace {

// Whether `child` lies in another window within `parent` (the About box
// and the Find window are the main window's children); a menu belongs to
// the window whose menu bar holds it.
bool inAnotherWindow(const QObject& parent, const QObject* child)
{
    for (const QObject* o = child->parent(); o && o != &parent; o = o->parent())
        if (o->isWidgetType() && static_cast<const QWidget*>(o)->isWindow() && !o->inherits("QMenu"))
            return true;
    return false;
}

} // namespace

QObject* namedChild(const QObject& parent, const char* name, const QMetaObject& type)
{
    QObject* found = nullptr;
    for (QObject* child : parent.findChildren<QObject*>(QLatin1String(name))) {
        if (!type.cast(child) || inAnotherWindow(parent, child))
            continue;
        if (found)
            qFatal("two controls named %s", name);
        found = child;
    }
    if (!found)
        qFatal("no %s named %s", type.className(), name);
    return found;
}

namespace {

// One set of controls per window, dropped when the window goes.
template <class Controls, class Window>
const Controls& cached(const Window& window, Controls (*find)(const Window&))
{
    // A map's entries stay where they are as others come and go.
    static std::map<const QObject*, Controls> found;
    auto it = found.find(&window);
    if (it == found.end()) {
        it = found.emplace(&window, find(window)).first;
        QObject::connect(&window, &QObject::destroyed,
                         [key = static_cast<const QObject*>(&window)] { found.erase(key); });
    }
    return it->second;
}

MainControls findMain(const MainWindow& w)
{
    return {named<BuildListTextEdit>(w, "Memo1"),
            named<BuildListView>(w, "ListBox1"),
            named<QLabel>(w, "Image1"),
            named<QLabel>(w, "Label3"),
            named<QGroupBox>(w, "GroupBox2"),
            named<CompletingComboBox>(w, "cboList"),
            named<SteppedEdit>(w, "txtCount"),
            named<UpDownArrows>(w, "UpDown1"),
            named<SteppedEdit>(w, "txtRetrains"),
            named<UpDownArrows>(w, "UpDown2"),
            named<QLabel>(w, "Label1"),
            named<QLabel>(w, "Label2"),
            named<QGroupBox>(w, "GroupBox1"),
            named<QRadioButton>(w, "radioUnits"),
            named<QRadioButton>(w, "radioBldgs"),
            named<QRadioButton>(w, "radioResearch"),
            named<QCheckBox>(w, "chkRetrains"),
            named<QCheckBox>(w, "chkRetrainB"),
            named<QCheckBox>(w, "chkCritical"),
            named<QPushButton>(w, "cmdAdd"),
            named<QPushButton>(w, "cmdDelete"),
            named<QPushButton>(w, "cmdEdit"),
            named<QGroupBox>(w, "GroupBox3"),
            named<TextBox>(w, "txtVillagers"),
            named<QLabel>(w, "Label4"),
            named<QPushButton>(w, "cmdVillCountRefresh"),
            named<QPushButton>(w, "cmdExit"),
            named<StatusPanels>(w, "Status"),
            named<FindDialog>(w, "dlgFind"),
            named<QMenuBar>(w, "MainMenu1"),
            named<QMenu>(w, "File1"),
            named<QMenu>(w, "Edit1"),
            named<QMenu>(w, "Search1"),
            named<QMenu>(w, "Help1"),
            named<QAction>(w, "mnuNew"),
            named<QAction>(w, "mnuOpen"),
            named<QMenu>(w, "mnuOpenRecent"),
            named<QAction>(w, "mnuSave"),
            named<QAction>(w, "mnuSaveAs"),
            named<QAction>(w, "mnuExit"),
            named<QAction>(w, "mnuEditNormal"),
            named<QAction>(w, "mnuEditLines"),
            named<QAction>(w, "mnuUndo"),
            named<QAction>(w, "mnuRedo"),
            named<QAction>(w, "mnuFind"),
            named<QAction>(w, "mnuCount"),
            named<QAction>(w, "mnuCheckOrder"),
            named<QAction>(w, "mnuHelpHelp"),
            named<QAction>(w, "mnuHelpAbout"),
            named<FileCommands>(w, "fileCommands"),
            named<FindCommand>(w, "findCommand"),
            named<ItemPicker>(w, "itemPicker"),
            named<TextPart>(w, "textPart"),
            named<ListPart>(w, "listPart"),
            named<ModeSwitch>(w, "modeSwitch")};
}

CountControls findCount(const CountWindow& w)
{
    return {named<CompletingComboBox>(w, "cboSrchUnit"),
            named<QPushButton>(w, "btnGo"),
            named<BuildListTextEdit>(w, "Memo2"),
            named<QPushButton>(w, "cmdClear"),
            named<QPushButton>(w, "btnCopy"),
            named<QPushButton>(w, "btnClose")};
}

CheckOrderControls findCheckOrder(const CheckOrderWindow& w)
{
    return {named<QListWidget>(w, "lstProblems"), named<QLabel>(w, "lblSummary"),
            named<QPushButton>(w, "btnCheck"), named<QPushButton>(w, "btnClose")};
}

FindControls findFind(const FindDialog& d)
{
    return {named<TextBox>(d, "findText"), named<QPushButton>(d, "findNext"),
            named<QPushButton>(d, "cancel")};
}

} // namespace

const MainControls& ui(const MainWindow& window)
{
    return cached(window, &findMain);
}

const CountControls& ui(const CountWindow& window)
{
    return cached(window, &findCount);
}

const CheckOrderControls& ui(const CheckOrderWindow& window)
{
    return cached(window, &findCheckOrder);
}

const FindControls& ui(const FindDialog& dialog)
{
    return cached(dialog, &findFind);
}
