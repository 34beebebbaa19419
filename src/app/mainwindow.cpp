#include "app/mainwindow.h"

#include "about/window/helpmenu.h"
#include "app/announcer.h"
#include "app/shortcutpriority.h"
#include "app/statuspanels.h"
#include "buildlist/buildlist.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/lineeditor.h"
#include "files/window/filecommands.h"
#include "search/window/checkorderwindow.h"
#include "search/window/countwindow.h"
#include "search/window/findcommand.h"
#include "widgets/application.h"
#include "widgets/besideowner.h"
#include "widgets/objectnames.h"
#include "widgets/pictures.h"
#include "widgets/placedcontrols.h"
#include "widgets/programfiles.h"
#include "widgets/taborder.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kClientWidth = 543;
constexpr int kClientHeight = 400;
constexpr int kStatusHeight = 19;
// How long a window manager takes to settle a click.
constexpr int kSettleMs = 200;

} // namespace

MainWindow::MainWindow(Application& app, QWidget* parent) : QMainWindow(parent), app_(app)
{
    dressProgramWindow(this, tr("Brindlecap's Vex AI Editor "));

    document_ = new BuildList(this);
    createControls();
    createMenu();
    files_ = new FileCommands(app_, *document_, catalog_, this);
    find_ = new FindCommand(app_, *document_, this);
    editor_->setPicker(picker_);
    editor_->setFind(find_);
    wireMenu();
    wireParts();
    new MenuShortcutPriority(this,
                             {openAction, saveAction, saveAsAction, exitAction, undoAction, redoAction});

    setFixedSize(kClientWidth, mainMenu->sizeHint().height() + kClientHeight);
    startAfresh();
    nameForScreenReaders();
}

MainWindow::~MainWindow()
{
    // The parts go before the document they show and edit.
    delete editor_;
    delete document_;
}

bool MainWindow::isModified() const
{
    return document_->isModified();
}

void MainWindow::createControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight - kStatusHeight);
    setCentralWidget(client);

    editor_ = new LineEditor(app_, *document_, client);
    picker_ = new ItemPicker(app_, *document_, catalog_, editor_->textView(), editor_->placer(), client);
    exitButton = placedButton(tr("E&xit"), client, 450, 341, 73, 25);

    statusPanels = new StatusPanels({300, 60, 55, 32, 50}, this);
    announcer_ = new Announcer(client);
    statusPanels->setFixedHeight(kStatusHeight);
    setStatusBar(statusPanels);

    setObjectNames({{statusPanels, "Status"}, {exitButton, "cmdExit"}});
    setTabOrderOf(picker_->focusOrder() + editor_->buttonFocusOrder() + editor_->viewFocusOrder()
                  + picker_->tallyFocusOrder() + QWidgetList{exitButton});
    // Where a tool window finds no room beside this one, it may cover the
    // lower part of the text and list, never the menus or the controls.
    BesideOwner::setCoverableArea(this, editor_->viewFocusOrder().value(0));

    // A dragged line drops only on the list and the toilet; over the
    // villager box and Refresh, and over the window's own background, the
    // drag shows that it cannot drop.
    const QWidgetList tally = picker_->tallyFocusOrder();
    for (QWidget* w : tally)
        editor_->addDragSurface(w, true);
    for (QWidget* w : picker_->controls())
        if (!tally.contains(w))
            editor_->addDragSurface(w, false);
    editor_->addDragSurface(exitButton, false);
    editor_->addDragSurface(statusPanels, false);
    editor_->addDragSurface(this, true);
    editor_->addDragSurface(client, true);
}

void MainWindow::createMenu()
{
    mainMenu = new QMenuBar(this);
    setMenuBar(mainMenu);

    fileMenu = mainMenu->addMenu(tr("&File"));
    newAction = fileMenu->addAction(tr("&New"));
    openAction = fileMenu->addAction(tr("&Open..."));
    openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    saveAction = fileMenu->addAction(tr("&Save"));
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAsAction = fileMenu->addAction(tr("Save &As..."));
    saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    fileSeparator = fileMenu->addSeparator();
    exitAction = fileMenu->addAction(tr("E&xit"));
    exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    editMenu = mainMenu->addMenu(tr("&Edit"));
    editNormalAction = editMenu->addAction(tr("Edit Normal"));
    editLinesAction = editMenu->addAction(tr("Edit Lines"));
    editSeparator = editMenu->addSeparator();
    undoAction = editMenu->addAction(tr("Undo"));
    undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction = editMenu->addAction(tr("Redo"));
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    searchMenu = mainMenu->addMenu(tr("&Search"));
    findAction = searchMenu->addAction(tr("Find..."));
    countAction = searchMenu->addAction(tr("Count"));
    checkOrderAction = searchMenu->addAction(tr("Check Order..."));

    helpMenu = mainMenu->addMenu(tr("&Help"));
    helpAction = helpMenu->addAction(tr("Help"));
    aboutAction = helpMenu->addAction(tr("About"));

    setObjectNames({{mainMenu, "MainMenu1"},
                    {fileMenu, "File1"},
                    {newAction, "mnuNew"},
                    {openAction, "mnuOpen"},
                    {saveAction, "mnuSave"},
                    {saveAsAction, "mnuSaveAs"},
                    {fileSeparator, "N2"},
                    {exitAction, "mnuExit"},
                    {editMenu, "Edit1"},
                    {editNormalAction, "mnuEditNormal"},
                    {editLinesAction, "mnuEditLines"},
                    {editSeparator, "N3"},
                    {undoAction, "mnuUndo"},
                    {redoAction, "mnuRedo"},
                    {searchMenu, "Search1"},
                    {findAction, "mnuFind"},
                    {countAction, "mnuCount"},
                    {checkOrderAction, "mnuCheckOrder"},
                    {helpMenu, "Help1"},
                    {helpAction, "mnuHelpHelp"},
                    {aboutAction, "mnuHelpAbout"}});

    new HelpMenu(app_, this, helpAction, aboutAction);

    for (QAction* a : {openAction, saveAction, saveAsAction, exitAction, undoAction, redoAction})
        a->setShortcutContext(Qt::WindowShortcut);
}

void MainWindow::wireMenu()
{
    editor_->addDragSurface(mainMenu, false);
    connect(exitButton, &QPushButton::clicked, this, app_.guarded(files_, &FileCommands::exitProgram));

    // Commands that may open a modal box run one turn of the event loop
    // after the menu item is chosen: a screen reader that chose it waits
    // for the choice to return, not for the box to close.
    const auto later = Qt::QueuedConnection;
    connect(newAction, &QAction::triggered, this, app_.guarded(files_, &FileCommands::newList), later);
    connect(openAction, &QAction::triggered, this, app_.guarded(files_, &FileCommands::openFromDialog),
            later);
    connect(saveAction, &QAction::triggered, this, app_.guarded(files_, &FileCommands::save), later);
    connect(saveAsAction, &QAction::triggered, this, app_.guarded(files_, &FileCommands::saveAs), later);
    connect(exitAction, &QAction::triggered, this, app_.guarded(files_, &FileCommands::exitProgram), later);
    connect(editNormalAction, &QAction::triggered, this, app_.guarded(editor_, &LineEditor::editNormal));
    connect(editLinesAction, &QAction::triggered, this, app_.guarded(editor_, &LineEditor::editLines));
    connect(undoAction, &QAction::triggered, this, app_.guarded(editor_, &LineEditor::undo));
    connect(redoAction, &QAction::triggered, this, app_.guarded(editor_, &LineEditor::redo));
    connect(findAction, &QAction::triggered, this,
            [this] { app_.guard([this] { find_->open(editor_->linesMode()); }); });
    connect(countAction, &QAction::triggered, this, [this] { app_.guard([this] { countWindow_->open(); }); });
    connect(checkOrderAction, &QAction::triggered, this, app_.guarded(this, &MainWindow::showCheckOrder));
    connect(document_, &BuildList::historyChanged, this, &MainWindow::showHistoryCommands);
    showHistoryCommands();
}

void MainWindow::wireParts()
{
    connect(document_, &BuildList::modifiedChanged, this,
            [this](bool modified) { setPanel(Panel::Marker, modified ? QStringLiteral("*") : QString()); });
    connect(editor_, &LineEditor::modeShown, this,
            [this](bool lines) { setPanel(Panel::Mode, lines ? tr("Lines") : tr("Normal")); });
    connect(editor_, &LineEditor::columnShown, this,
            [this](int column) { setPanel(Panel::Column, column < 0 ? QString() : IntToStr(column)); });

    connect(picker_, &ItemPicker::entriesOffered, editor_, [this] { editor_->setUndoAvailable(false); });
    connect(picker_, &ItemPicker::appended, editor_, [this] {
        if (!editor_->linesMode())
            editor_->setUndoAvailable(true);
    });

    connect(files_, &FileCommands::fileShown, this,
            [this](const QString& path) { setPanel(Panel::File, path); });
    connect(files_, &FileCommands::newListStarted, this, [this] {
        picker_->setVillagerCount(0);
        editor_->startAfresh();
        picker_->offerWhatTheListAllows();
        picker_->focusItemBox();
    });
    connect(files_, &FileCommands::readingStarted, editor_, &LineEditor::beginReading);
    connect(files_, &FileCommands::readingEnded, editor_, &LineEditor::endReading);
    connect(files_, &FileCommands::fileRead, picker_, &ItemPicker::recountVillagers);
    // The offer follows the list just read, as it follows Undo and Redo.
    connect(files_, &FileCommands::readyToEdit, picker_, &ItemPicker::offerWhatTheListAllows);
    connect(files_, &FileCommands::readyToEdit, editor_, &LineEditor::editFrom);

    // What Append, the Undo button and Save did is said at once.
    connect(picker_, &ItemPicker::announced, announcer_, &Announcer::announce);
    connect(editor_, &LineEditor::announced, announcer_, &Announcer::announce);
    connect(files_, &FileCommands::announced, announcer_, &Announcer::announce);
    connect(find_, &FindCommand::searching, editor_, &LineEditor::enterLinesModeToSearch);
    connect(find_, &FindCommand::found, editor_, &LineEditor::selectFoundLine);
    connect(find_, &FindCommand::passEnded, editor_, &LineEditor::placeInsertionBelowSelection);
}

void MainWindow::setCompanions(CountWindow* countWindow, CheckOrderWindow* checkOrder)
{
    countWindow_ = countWindow;
    checkOrder_ = checkOrder;
    connect(countWindow_, &CountWindow::wantsNormalMode, editor_, &LineEditor::leaveLinesMode);
    connect(countWindow_, &CountWindow::commentGoingIn, editor_, &LineEditor::caretToTop);
    connect(checkOrder_, &CheckOrderWindow::lineChosen, this, &MainWindow::selectLine);
    connect(checkOrder_, &CheckOrderWindow::problemLinesMarked, editor_, &LineEditor::markProblemLines);
    connect(checkOrder_, &CheckOrderWindow::countChanged, announcer_, &Announcer::announce);
}

void MainWindow::startAfresh()
{
    catalog_.fill();
    document_->reset({QString::fromLatin1(kStartingLine)});
    picker_->showUnits();
    picker_->setVillagerCount(0);
    editor_->startAfresh();
}

void MainWindow::openNamedFile(const QString& path)
{
    files_->openNamedFile(path);
}

void MainWindow::openStandardInput(const QString& text)
{
    files_->openStandardInput(text);
}

QString MainWindow::panel(Panel which) const
{
    return statusPanels->panelText(int(which));
}

void MainWindow::setPanel(Panel which, const QString& text)
{
    statusPanels->setPanelText(int(which), text);
}

void MainWindow::showHistoryCommands()
{
    const BuildList& steps = *document_;
    undoAction->setEnabled(steps.canUndo());
    undoAction->setText(steps.canUndo() ? tr("Undo %1").arg(steps.undoName()) : tr("Undo"));
    redoAction->setEnabled(steps.canRedo());
    redoAction->setText(steps.canRedo() ? tr("Redo %1").arg(steps.redoName()) : tr("Redo"));
}

void MainWindow::showCheckOrder()
{
    // Each showing checks the list as it stands, the window newly shown
    // beside this one or brought to the front.
    checkOrder_->checkAgain();
    checkOrder_->showBesideOwner();
}

void MainWindow::selectLine(int index)
{
    editor_->showLine(index);
    // The keyboard goes to the list, on that row, so that the keys of
    // Lines mode act on it; the tool window stays above this one as its
    // own, and never takes the keyboard back by raising itself.
    app_.dialogs().showModeless(this);
    editor_->focusList();
    // A window manager gives the tool window the keyboard for a click on
    // it, and may take a request made in the same instant for an older one
    // and refuse it. Asked again once the click has settled, it agrees;
    // unless the user has gone on to another window meanwhile.
    QTimer::singleShot(kSettleMs, this, app_.guarded(this, &MainWindow::takeKeysBackFromCheckOrder));
}

void MainWindow::takeKeysBackFromCheckOrder()
{
    if (!isActiveWindow() && QApplication::activeWindow() == checkOrder_)
        activateWindow();
}

void MainWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!e->spontaneous())
        app_.guard([this] { picker_->focusItemBox(); });
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    // Once the Exit guard has ended the run, closing asks nothing more.
    if (app_.terminated()) {
        e->accept();
        return;
    }
    bool canClose = true;
    bool answered = false;
    app_.guard([&] {
        canClose = files_->quit();
        answered = true;
    });
    if (answered && canClose)
        e->accept();
    else
        e->ignore();
}
