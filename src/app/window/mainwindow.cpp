#include "app/window/mainwindow.h"
#include "about/window/helpmenu.h"
#include "app/window/decorationlabel.h"
#include "app/window/objectnames.h"
#include "app/window/placedcontrols.h"
#include "buildlist/window/itempicker.h"
#include "files/window/filecommands.h"

#include "app/window/application.h"
#include "app/window/buildlisttextedit.h"
#include "app/window/buildlistview.h"
#include "app/window/classicedit.h"
#include "app/window/completingcombobox.h"
#include "app/window/dragcontroller.h"
#include "app/window/pictures.h"
#include "app/window/programfiles.h"
#include "app/window/shortcutpriority.h"
#include "app/window/statuspanels.h"
#include "app/window/steppededit.h"
#include "app/window/taborder.h"
#include "app/window/textbox.h"
#include "app/window/updownarrows.h"
#include "buildlist/lineformat.h"
#include "search/window/checkorderwindow.h"
#include "search/window/countwindow.h"
#include "search/window/findcommand.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
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
    document_->setContext(this);
    files_ = new FileCommands(app_, *document_, catalog_, this);
    find_ = new FindCommand(app_, *document_, this);
    createControls();
    createMenu();
    wireEvents();
    wireFileCommands();
    wireFind();
    new MenuShortcutPriority(this,
                             {openAction, saveAction, saveAsAction, exitAction, undoAction, redoAction});

    setFixedSize(kClientWidth, mainMenu->sizeHint().height() + kClientHeight);
    startAfresh();
    nameForScreenReaders();
}

MainWindow::~MainWindow()
{
    // The document tells the views and the menu as it goes, and the text
    // area loses the focus as the window goes: both while this is still a
    // MainWindow.
    textArea->disconnect(this);
    document_->setContext(nullptr);
    delete document_;
}

void MainWindow::setCompanions(CountWindow* countWindow, CheckOrderWindow* checkOrder)
{
    countWindow_ = countWindow;
    checkOrder_ = checkOrder;
    connect(countWindow_, &CountWindow::wantsNormalMode, this, [this] {
        if (linesMode)
            switchMode();
    });
    connect(countWindow_, &CountWindow::commentGoingIn, this, [this] { textArea->setSelStart(0); });
    connect(checkOrder_, &CheckOrderWindow::lineChosen, this, &MainWindow::selectLine);
    connect(checkOrder_, &CheckOrderWindow::problemLinesMarked, this, &MainWindow::markProblemLines);
}

void MainWindow::showCount()
{
    countWindow_->open();
}

void MainWindow::markProblemLines(const QList<int>& lines, const QStringList& texts)
{
    // Tinted in the list and in the text, each with its problem as a
    // tooltip.
    QHash<int, QString> notes;
    notes.reserve(lines.size());
    for (int k = 0; k < lines.size(); ++k)
        notes.insert(lines.at(k), texts.at(k));
    lineList->setMarkedRows(notes);
    textArea->setMarkedLines(notes);
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
    if (!linesMode)
        enterLinesMode();
    selectRowAsClicked(index);
    // The keyboard goes to the list, on that row, so that the keys of
    // Lines mode act on it; the tool window stays above this one as its
    // own, and never takes the keyboard back by raising itself.
    app_.dialogs().showModeless(this);
    lineList->setFocus(Qt::OtherFocusReason);
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

QString MainWindow::panel(Panel which) const
{
    return statusPanels->panelText(int(which));
}

void MainWindow::setPanel(Panel which, const QString& text)
{
    statusPanels->setPanelText(int(which), text);
}

void MainWindow::showModified(bool modified)
{
    setPanel(Panel::Marker, modified ? QStringLiteral("*") : QString());
}

void MainWindow::createControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight - kStatusHeight);
    setCentralWidget(client);

    textArea = place(new BuildListTextEdit(true, client), 16, 112, kTextAreaWidth, 217);
    textArea->setFont(fixedPitchFont(false));
    textArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    picker_ = new ItemPicker(app_, *document_, catalog_, *textArea, *this, client);

    removeLastLineButton = placedButton(tr("Undo"), client, 452, 46, 73, 23);
    setUndoAvailable(false);
    modeButton = placedButton(tr("Edit Lines"), client, 452, 74, 73, 23);
    modeButton->setToolTip(tr("Drag & drop"));

    lineList = place(new BuildListView(client), 16, 112, 213, 171);
    lineList->setFont(fixedPitchFont(false));
    lineList->hide();

    toilet = place(new QLabel(client), 244, 338, 33, 33);
    toilet->setPixmap(toiletPicture());
    toilet->setAlignment(Qt::AlignCenter);

    statusPanels = new StatusPanels({300, 60, 55, 32, 50}, this);
    statusPanels->setFixedHeight(kStatusHeight);
    setStatusBar(statusPanels);

    exitButton = placedButton(tr("E&xit"), client, 450, 341, 73, 25);
    ruler = place(new DecorationLabel(QString::fromLatin1(kRuler), client), 16, 104, 322, 16);
    ruler->setFont(fixedPitchFont(true));
    ruler->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ruler->setContentsMargins(0, 0, 0, 0);
    // The ruler's bars stand over the text area's columns: both start at the
    // text area's first character.
    ruler->setIndent(textArea->frameWidth() + int(textArea->document()->documentMargin()));
    ruler->resize(qMax(ruler->width(), ruler->sizeHint().width()), ruler->height());
    ruler->lower();

    // The text area and the list lie over the lower part of the ruler's box.
    textArea->raise();
    lineList->raise();

    setObjectNames({{textArea, "Memo1"},
                    {removeLastLineButton, "cmdDelete"},
                    {modeButton, "cmdEdit"},
                    {lineList, "ListBox1"},
                    {toilet, "Image1"},
                    {statusPanels, "Status"},
                    {exitButton, "cmdExit"},
                    {ruler, "Label3"}});

    setTabOrderOf(picker_->focusOrder() + QWidgetList{removeLastLineButton, modeButton, textArea, lineList}
                  + picker_->tallyFocusOrder() + QWidgetList{exitButton});
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
    showHistoryCommands();

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

void MainWindow::wireEvents()
{
    connect(removeLastLineButton, &QPushButton::clicked, this,
            app_.guarded(this, &MainWindow::removeLastLine));
    connect(modeButton, &QPushButton::clicked, this, app_.guarded(this, &MainWindow::switchMode));
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
    connect(editNormalAction, &QAction::triggered, this, app_.guarded(this, &MainWindow::editNormal));
    connect(editLinesAction, &QAction::triggered, this, app_.guarded(this, &MainWindow::editLines));
    connect(undoAction, &QAction::triggered, this, app_.guarded(this, &MainWindow::undo));
    connect(redoAction, &QAction::triggered, this, app_.guarded(this, &MainWindow::redo));
    connect(document_, &BuildList::historyChanged, this, [this] { showHistoryCommands(); });
    connect(document_, &BuildList::modifiedChanged, this, &MainWindow::showModified);
    connect(document_, &BuildList::linesChanged, this, &MainWindow::showLinesChanged);
    connect(document_, &BuildList::lineMoved, this, &MainWindow::showLineMoved);
    connect(countAction, &QAction::triggered, this, app_.guarded(this, &MainWindow::showCount));
    connect(checkOrderAction, &QAction::triggered, this, app_.guarded(this, &MainWindow::showCheckOrder));

    connect(textArea, &BuildListTextEdit::clicked, this, app_.guarded(this, &MainWindow::textAreaClicked));
    connect(textArea, &BuildListTextEdit::keyReleased, this, app_.guarded(this, &MainWindow::textAreaKeyUp));
    // Whatever the user turns to next ends the typing step.
    connect(textArea, &BuildListTextEdit::focusLeft, this, app_.guarded(this, &MainWindow::textAreaLeft));
    textArea->onUserEdit = [this](const std::function<void()>& edit) {
        app_.guard([&] { takeUserEdit(edit); });
    };
    textArea->onKeyDown = [this](int& key, Qt::KeyboardModifiers shift) {
        app_.guard([&] { textAreaKeyDown(key, shift); });
    };
    textArea->onKeyPress = [this](char16_t& key) {
        // An error in the handler must not let the character through.
        const char16_t typed = key;
        key = 0;
        app_.guard([&] {
            char16_t ch = typed;
            textAreaKeyPress(ch);
            key = ch;
        });
    };

    connect(lineList, &BuildListView::clickedByUser, this, app_.guarded(this, &MainWindow::rowClicked));
    connect(lineList, &BuildListView::mousePressed, this, app_.guarded(this, &MainWindow::startLineDrag));
    connect(lineList, &BuildListView::moveKeyPressed, this,
            app_.guarded(this, &MainWindow::moveSelectedLine));
    connect(lineList, &BuildListView::contextMenuAsked, this, app_.guarded(this, &MainWindow::showLineMenu));

    drag_ = new DragController(this, app_);
    drag_->addControl(this, app_.guarded(this, &MainWindow::dragOverWindow));
    drag_->addControl(lineList, app_.guarded(this, &MainWindow::dragOverList),
                      app_.guarded(this, &MainWindow::dropOnList));
    drag_->addControl(toilet, app_.guarded(this, &MainWindow::dragOverToilet),
                      app_.guarded(this, &MainWindow::dropOnToilet));
    // Over the villager box and Refresh, a drag shows it cannot drop.
    const QWidgetList tally = picker_->tallyFocusOrder();
    for (QWidget* w : tally)
        drag_->addControl(w, app_.guarded(this, &MainWindow::dragOverWindow));
    for (QWidget* w : picker_->controls())
        if (!tally.contains(w))
            drag_->addControl(w);
    for (QWidget* w : std::initializer_list<QWidget*>{textArea, removeLastLineButton, modeButton, exitButton,
                                                      ruler, mainMenu, statusPanels})
        drag_->addControl(w);
    connect(picker_, &ItemPicker::entriesOffered, this, [this] { setUndoAvailable(false); });
    connect(picker_, &ItemPicker::appended, this, [this] {
        if (!linesMode)
            setUndoAvailable(true);
    });

    // The client area is the window's own background.
    drag_->addControl(centralWidget(), app_.guarded(this, &MainWindow::dragOverWindow));
}

void MainWindow::startAfresh()
{
    catalog_.fill();
    document_->reset({QString::fromLatin1(kStartingLine)});
    picker_->showUnits();
    picker_->setVillagerCount(0);
    enterMode(EditMode::Normal);
    lineList->setGeometry(textArea->geometry());
    setInsertAt(-1);
}

void MainWindow::focusItemBox()
{
    picker_->focusItemBox();
}

void MainWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!e->spontaneous())
        app_.guard([this] { focusItemBox(); });
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

void MainWindow::setUndoAvailable(bool available)
{
    undoAvailable_ = available;
    removeLastLineButton->setEnabled(available);
}

void MainWindow::setCurrentLine(int line)
{
    currentLine_ = line;
    insertAt_ = line + 1;
}

void MainWindow::setInsertAt(int index)
{
    insertAt_ = index;
}

void MainWindow::openNamedFile(const QString& path)
{
    files_->openNamedFile(path);
}

void MainWindow::wireFileCommands()
{
    connect(files_, &FileCommands::fileShown, this,
            [this](const QString& path) { setPanel(Panel::File, path); });
    connect(files_, &FileCommands::newListStarted, this, [this] {
        picker_->setVillagerCount(0);
        setInsertAt(-1);
        enterMode(EditMode::Normal);
        // Undo must never take a line off a build list it did not add.
        setUndoAvailable(false);
        picker_->focusItemBox();
    });
    connect(files_, &FileCommands::readingStarted, this, &MainWindow::beginReading);
    connect(files_, &FileCommands::readingEnded, this, &MainWindow::endReading);
    connect(files_, &FileCommands::fileRead, picker_, &ItemPicker::recountVillagers);
    connect(files_, &FileCommands::readyToEdit, this, [this](int caret) {
        textArea->setSelStart(caret);
        textArea->setFocus();
        textAreaClicked();
    });
}

void MainWindow::wireFind()
{
    connect(findAction, &QAction::triggered, this,
            [this] { app_.guard([this] { find_->open(linesMode); }); });
    connect(find_, &FindCommand::searching, this, [this] {
        if (!linesMode)
            enterLinesMode();
    });
    connect(find_, &FindCommand::found, this, [this](int line) { lineList->setItemIndex(line); });
    connect(find_, &FindCommand::passEnded, this, [this] { setInsertAt(lineList->itemIndex() + 1); });
}
