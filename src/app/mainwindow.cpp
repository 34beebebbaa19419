#include "app/mainwindow.h"

#include "about/window/helpmenu.h"
#include "app/announcer.h"
#include "app/shortcutpriority.h"
#include "app/statuspanels.h"
#include "buildlist/buildlist.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/listpart.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "files/window/filecommands.h"
#include "files/window/recentmenu.h"
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
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kClientWidth = 543;
constexpr int kClientHeight = 400;
constexpr int kStatusHeight = 19;
// How long a window manager takes to settle a click.
constexpr int kSettleMs = 200;
// How long a screen reader may take to tell the user the window is back.
constexpr int kDiskCheckDelayMs = 500;

} // namespace

MainWindow::MainWindow(Application& app, QWidget* parent) : QMainWindow(parent), app_(app)
{
    dressProgramWindow(this, tr("Brindlecap's Vex AI Editor "));

    document_ = new BuildList(this);
    createControls();
    createMenu();
    files_ = new FileCommands(app_, *document_, catalog_, this);
    find_ = new FindCommand(app_, *document_, this);
    wireMenu();
    wireParts();
    new MenuShortcutPriority(this,
                             {openAction, saveAction, saveAsAction, exitAction, undoAction, redoAction});

    setFixedSize(kClientWidth, mainMenu->sizeHint().height() + kClientHeight);
    setAcceptDrops(true);
    diskCheck_ = new QTimer(this);
    diskCheck_->setSingleShot(true);
    diskCheck_->setInterval(kDiskCheckDelayMs);
    connect(diskCheck_, &QTimer::timeout, this, [this] {
        if (!QApplication::activeModalWidget())
            app_.guard([this] { files_->noticeChangeOnDisk(); });
    });
    startAfresh();
    nameForScreenReaders();
}

MainWindow::~MainWindow()
{
    // The parts go before the document they show and edit.
    delete text_;
    delete list_;
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

    text_ = new TextPart(app_, *document_, client);
    modes_ = new ModeSwitch(app_, *document_, client);
    list_ = new ListPart(app_, *document_, client);
    picker_ = new ItemPicker(app_, *document_, catalog_, client);
    exitButton = placedButton(tr("E&xit"), client, 450, 341, 73, 25);

    statusPanels = new StatusPanels({300, 60, 55, 32, 50}, this);
    announcer_ = new Announcer(client);
    statusPanels->setFixedHeight(kStatusHeight);
    setStatusBar(statusPanels);

    setObjectNames({{statusPanels, "Status"}, {exitButton, "cmdExit"}});
    setTabOrderOf(picker_->focusOrder() + text_->buttonFocusOrder() + modes_->focusOrder()
                  + text_->viewFocusOrder() + list_->viewFocusOrder() + picker_->tallyFocusOrder()
                  + QWidgetList{exitButton});
    // Where a tool window finds no room beside this one, it may cover the
    // lower part of the text and list, never the menus or the controls.
    setCoverableArea(this, text_->viewFocusOrder().value(0));

    // A dragged line drops only on the list and the toilet; over the
    // villager box and Refresh, and over the window's own background, the
    // drag shows that it cannot drop.
    const QWidgetList tally = picker_->tallyFocusOrder();
    for (QWidget* w : tally)
        list_->addDragSurface(w, true);
    for (QWidget* w : picker_->controls() + text_->controls() + modes_->focusOrder())
        if (!tally.contains(w))
            list_->addDragSurface(w, false);
    list_->addDragSurface(exitButton, false);
    list_->addDragSurface(statusPanels, false);
    list_->addDragSurface(this, true);
    list_->addDragSurface(client, true);
}

void MainWindow::createMenu()
{
    mainMenu = new QMenuBar(this);
    setMenuBar(mainMenu);

    fileMenu = mainMenu->addMenu(tr("&File"));
    newAction = fileMenu->addAction(tr("&New"));
    openAction = fileMenu->addAction(tr("&Open..."));
    openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    recentMenu = fileMenu->addMenu(tr("Open &Recent"));
    recent_ = new RecentMenu(app_, recentMenu);
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
                    {recentMenu, "mnuOpenRecent"},
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
    list_->addDragSurface(mainMenu, false);
    connect(exitButton, &QPushButton::clicked, this, app_.guarded(files_, &FileCommands::exitProgram));

    // Commands that may open a modal box run one turn of the event loop
    // after the menu item is chosen: a screen reader that chose it waits
    // for the choice to return, not for the box to close.
    const auto later = Qt::QueuedConnection;
    connect(newAction, &QAction::triggered, this, app_.guarded(files_, &FileCommands::newList), later);
    connect(openAction, &QAction::triggered, this, app_.guarded(files_, &FileCommands::openFromDialog),
            later);
    connect(recent_, &RecentMenu::chosen, this, app_.guarded(files_, &FileCommands::openRecent));
    connect(saveAction, &QAction::triggered, this, app_.guarded(files_, &FileCommands::save), later);
    connect(saveAsAction, &QAction::triggered, this, app_.guarded(files_, &FileCommands::saveAs), later);
    connect(exitAction, &QAction::triggered, this, app_.guarded(files_, &FileCommands::exitProgram), later);
    connect(editNormalAction, &QAction::triggered, this, app_.guarded(modes_, &ModeSwitch::editNormal));
    connect(editLinesAction, &QAction::triggered, this, app_.guarded(modes_, &ModeSwitch::editLines));
    connect(undoAction, &QAction::triggered, this, app_.guarded(document_, &BuildList::undo));
    connect(redoAction, &QAction::triggered, this, app_.guarded(document_, &BuildList::redo));
    connect(findAction, &QAction::triggered, this,
            [this] { app_.guard([this] { find_->open(modes_->linesMode()); }); });
    connect(countAction, &QAction::triggered, this, [this] { app_.guard([this] { countWindow_->open(); }); });
    connect(checkOrderAction, &QAction::triggered, this, app_.guarded(this, &MainWindow::showCheckOrder));
    connect(document_, &BuildList::historyChanged, this, &MainWindow::showHistoryCommands);
    showHistoryCommands();
}

void MainWindow::wireModes()
{
    // A change of mode: the views get ready, the new one shows itself and
    // takes the keys, then the other hides.
    connect(modes_, &ModeSwitch::modeChanging, list_, &ListPart::prepareForMode);
    connect(modes_, &ModeSwitch::modeChanging, text_, [this] { text_->setUndoAvailable(false); });
    connect(modes_, &ModeSwitch::modeShowing, text_, &TextPart::showForMode);
    connect(modes_, &ModeSwitch::modeShowing, list_, &ListPart::showForMode);
    connect(modes_, &ModeSwitch::modeShown, text_, &TextPart::hideForMode);
    connect(modes_, &ModeSwitch::modeShown, list_, &ListPart::hideForMode);
    connect(modes_, &ModeSwitch::modeShown, picker_, &ItemPicker::setInserting);
    connect(modes_, &ModeSwitch::modeShown, this,
            [this](bool lines) { setPanel(Panel::Mode, lines ? tr("Lines") : tr("Normal")); });
}

void MainWindow::wireParts()
{
    wireModes();
    connect(document_, &BuildList::modifiedChanged, this,
            [this](bool modified) { setPanel(Panel::Marker, modified ? QStringLiteral("*") : QString()); });
    connect(text_, &TextPart::columnShown, this,
            [this](int column) { setPanel(Panel::Column, column < 0 ? QString() : IntToStr(column)); });

    // The Undo button takes back an Append of Normal mode, until the
    // picker offers anything afresh.
    connect(picker_, &ItemPicker::entriesOffered, text_, [this] { text_->setUndoAvailable(false); });
    connect(picker_, &ItemPicker::appended, text_, [this] { text_->setUndoAvailable(true); });
    connect(text_, &TextPart::villagerLineRemoved, picker_, &ItemPicker::takeAwayVillagers);
    connect(list_, &ListPart::lineRemoved, picker_, app_.guarded(picker_, &ItemPicker::recountVillagers));

    connect(files_, &FileCommands::fileShown, this,
            [this](const QString& path) { setPanel(Panel::File, path); });
    connect(files_, &FileCommands::newListStarted, this, [this] {
        picker_->setVillagerCount(0);
        modes_->startNormal();
        text_->setUndoAvailable(false);
        picker_->offerWhatTheListAllows();
        picker_->focusItemBox();
    });
    // The text stands aside while a file is read, the list in its place.
    connect(files_, &FileCommands::readingStarted, this, [this] {
        modes_->startNormal();
        list_->standInForText();
        text_->beginReading();
    });
    connect(files_, &FileCommands::readingEnded, this, [this] {
        text_->endReading();
        list_->endStandIn();
    });
    connect(files_, &FileCommands::fileRead, picker_, app_.guarded(picker_, &ItemPicker::recountVillagers));
    // The offer follows the list just read, as it follows Undo and Redo.
    connect(files_, &FileCommands::readyToEdit, picker_, &ItemPicker::offerWhatTheListAllows);
    connect(files_, &FileCommands::readyToEdit, text_, &TextPart::editFrom);

    // What Append, the Undo button and Save did is said at once.
    connect(picker_, &ItemPicker::announced, announcer_, &Announcer::announce);
    connect(text_, &TextPart::announced, announcer_, &Announcer::announce);
    connect(files_, &FileCommands::announced, announcer_, &Announcer::announce);
    // Find works on the list of Lines mode.
    connect(find_, &FindCommand::searching, modes_, &ModeSwitch::editLines);
}

void MainWindow::setCompanions(CountWindow* countWindow, CheckOrderWindow* checkOrder)
{
    countWindow_ = countWindow;
    checkOrder_ = checkOrder;
    connect(countWindow_, &CountWindow::wantsNormalMode, modes_, &ModeSwitch::editNormal);
    // Create Comment puts its lines in at the top of the text.
    connect(countWindow_, &CountWindow::commentGoingIn, this, [this] {
        EditPosition p = document_->position();
        p.caret = 0;
        document_->setPosition(p);
    });
    connect(checkOrder_, &CheckOrderWindow::lineChosen, this, &MainWindow::selectLine);
    connect(checkOrder_, &CheckOrderWindow::problemLinesMarked, text_, &TextPart::markProblemLines);
    connect(checkOrder_, &CheckOrderWindow::problemLinesMarked, list_, &ListPart::markProblemLines);
    connect(checkOrder_, &CheckOrderWindow::countChanged, announcer_, &Announcer::announce);
}

void MainWindow::startAfresh()
{
    catalog_.fill();
    document_->reset({QString::fromLatin1(kStartingLine)});
    picker_->showUnits();
    picker_->setVillagerCount(0);
    modes_->startNormal();
    list_->setViewArea(text_->viewArea());
    text_->setUndoAvailable(false);
}

void MainWindow::openNamedFile(const QString& path, int fileLine)
{
    files_->openNamedFile(path, fileLine);
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
    modes_->editLines();
    document_->selectLine(index);
    // The keyboard goes to the list, on that row, so that the keys of
    // Lines mode act on it; the tool window stays above this one as its
    // own, and never takes the keyboard back by raising itself.
    app_.dialogs().showModeless(this);
    list_->focusList();
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

void MainWindow::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e)
{
    if (!e->mimeData()->hasUrls())
        return;
    e->acceptProposedAction();
    // The file manager waits for the drop to end: the questions and the
    // reading come one turn later.
    const QList<QUrl> urls = e->mimeData()->urls();
    QTimer::singleShot(0, this, [this, urls] { app_.guard([&] { files_->openDropped(urls); }); });
}

void MainWindow::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    // Back in the window (not at its first activation, which follows the
    // Open itself), the user hears of a change another program made to the
    // open file; never while a dialog is open, nor once the window has been
    // left again.
    if (e->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        diskCheck_->stop();
        return;
    }
    const bool back = activatedBefore_;
    activatedBefore_ = true;
    if (back)
        diskCheck_->start();
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
