#pragma once

// The windows' controls as the tests reach them: by the names they are
// known by, as a user's tools find them, never through a window's members.

#include <QObject>

#include "app/statuspanels.h"
#include "buildlist/window/steppededit.h"
#include "buildlist/window/updownarrows.h"
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

class CheckOrderWindow;
class CountWindow;
class MainWindow;
class FileCommands;
class FindCommand;
class ItemPicker;
class ListPart;
class ModeSwitch;
class TextPart;

// The one object of this type and name under `parent`; a missing control
// is a broken fixture and ends the run.
QObject* namedChild(const QObject& parent, const char* name, const QMetaObject& type);
template <class T> T* named(const QObject& parent, const char* name)
{
    return static_cast<T*>(namedChild(parent, name, T::staticMetaObject));
}

struct MainControls {
    BuildListTextEdit* textArea;
    BuildListView* lineList;
    QLabel* toilet;
    QLabel* ruler;
    QGroupBox* itemGroup;
    CompletingComboBox* itemBox;
    SteppedEdit* quantitySpin;
    UpDownArrows* quantityArrows;
    SteppedEdit* retrainsSpin;
    UpDownArrows* retrainsArrows;
    QLabel* quantityLabel;
    QLabel* retrainsLabel;
    QGroupBox* categoryGroup;
    QRadioButton* unitsRadio;
    QRadioButton* buildingsRadio;
    QRadioButton* researchRadio;
    QCheckBox* unitLimitCheck;
    QCheckBox* buildingLimitCheck;
    QCheckBox* criticalCheck;
    QPushButton* appendButton;
    QPushButton* removeLastLineButton;
    QPushButton* modeButton;
    QGroupBox* villagerGroup;
    TextBox* villagerBox;
    QLabel* villagersLabel;
    QPushButton* refreshVillagersButton;
    QPushButton* exitButton;
    StatusPanels* statusPanels;
    FindDialog* findDialog;
    QMenuBar* mainMenu;
    QMenu* fileMenu;
    QMenu* editMenu;
    QMenu* searchMenu;
    QMenu* helpMenu;
    QAction* newAction;
    QAction* openAction;
    QMenu* recentMenu;
    QAction* saveAction;
    QAction* saveAsAction;
    QAction* exitAction;
    QAction* editNormalAction;
    QAction* editLinesAction;
    QAction* undoAction;
    QAction* redoAction;
    QAction* findAction;
    QAction* countAction;
    QAction* checkOrderAction;
    QAction* helpAction;
    QAction* aboutAction;
    FileCommands* files;
    FindCommand* find;
    ItemPicker* picker;
    TextPart* text;
    ListPart* list;
    ModeSwitch* modes;
};

struct CountControls {
    CompletingComboBox* unitBox;
    QPushButton* countButton;
    BuildListTextEdit* counts;
    QPushButton* clearButton;
    QPushButton* copyButton;
    QPushButton* closeButton;
};

struct CheckOrderControls {
    QListWidget* problemList;
    QLabel* summaryLabel;
    QPushButton* checkButton;
    QPushButton* closeButton;
};

struct FindControls {
    TextBox* findText;
    QPushButton* findNext;
    QPushButton* cancel;
};

// Found once per window and kept while it lives.
const MainControls& ui(const MainWindow& window);
const CountControls& ui(const CountWindow& window);
const CheckOrderControls& ui(const CheckOrderWindow& window);
const FindControls& ui(const FindDialog& dialog);
