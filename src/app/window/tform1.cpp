#include "app/window/tform1.h"
#include "app/window/decorationlabel.h"

#include "app/window/application.h"
#include "app/window/classicedit.h"
#include "app/window/dragcontroller.h"
#include "app/window/pictures.h"
#include "app/window/programfiles.h"
#include "app/window/shortcutpriority.h"
#include "app/window/steppededit.h"
#include "app/window/taborder.h"
#include "app/window/tcombobox.h"
#include "app/window/tedit.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "app/window/tstatusbar.h"
#include "app/window/tupdown.h"
#include "buildlist/lineformat.h"
#include "search/window/tfinddialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace {

constexpr int kClientWidth = 543;
constexpr int kClientHeight = 400;
constexpr int kStatusHeight = 19;

template <class W> W* place(W* widget, int left, int top, int width = -1, int height = -1)
{
    if (width < 0) {
        widget->adjustSize();
        widget->move(left, top);
    } else {
        widget->setGeometry(left, top, width, height);
    }
    return widget;
}

QLabel* label(const QString& text, QWidget* parent, int left, int top)
{
    return place(new QLabel(text, parent), left, top);
}

QPushButton* button(const QString& caption, QWidget* parent, int left, int top, int width, int height)
{
    return place(new QPushButton(caption, parent), left, top, width, height);
}

template <class Box = TEdit, class... Range>
Box* editBox(const QString& text, QWidget* parent, int left, int top, int width, int height, Range... range)
{
    auto* box = place(new Box(text, range..., parent), left, top, width, height);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

} // namespace

TForm1::TForm1(TApplication& app, QWidget* parent) : QMainWindow(parent), app_(app)
{
    dressProgramWindow(this, tr("Brindlecap's Vex AI Editor "));

    document_ = new BuildList(this);
    document_->setContext(this);
    createControls();
    createMenu();
    wireEvents();
    new MenuShortcutPriority(this, {mnuOpen, mnuSave, mnuSaveAs, mnuExit, mnuUndo, mnuRedo});

    setFixedSize(kClientWidth, MainMenu1->sizeHint().height() + kClientHeight);
    FormCreate();
}

TForm1::~TForm1()
{
    // The document tells the views and the menu as it goes, and the text
    // area loses the focus as the window goes: both while this is still a
    // TForm1.
    Memo1->disconnect(this);
    document_->setContext(nullptr);
    delete document_;
}

void TForm1::setCompanions(TForm2* form2, TCheckOrder* checkOrder)
{
    form2_ = form2;
    checkOrder_ = checkOrder;
}

QString TForm1::panel(Panel which) const
{
    return Status->panelText(int(which));
}

void TForm1::setPanel(Panel which, const QString& text)
{
    Status->setPanelText(int(which), text);
}

void TForm1::showModified(bool modified)
{
    setPanel(Panel::Marker, modified ? QStringLiteral("*") : QString());
}

void TForm1::createControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight - kStatusHeight);
    setCentralWidget(client);

    Memo1 = place(new TMemo(true, client), 16, 112, kTextAreaWidth, 217);
    Memo1->setFont(fixedPitchFont(false));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    GroupBox1 = place(new QGroupBox(client), 225, 8, 158, 89);
    radioUnits = place(new QRadioButton(tr("Units"), GroupBox1), 16, 16);
    radioBldgs = place(new QRadioButton(tr("Buildings"), GroupBox1), 16, 40);
    radioResearch = place(new QRadioButton(tr("Research"), GroupBox1), 16, 64);
    chkRetrains = place(new QCheckBox(tr("Limit"), GroupBox1), 96, 16);
    chkCritical = place(new QCheckBox(tr("Critical"), GroupBox1), 96, 64);
    radioUnits->setChecked(true);
    chkCritical->hide();

    cmdAdd = button(tr("Append"), client, 452, 18, 73, 25);
    cmdDelete = button(tr("Undo"), client, 452, 46, 73, 23);
    setUndoAvailable(false);
    cmdEdit = button(tr("Edit Lines"), client, 452, 74, 73, 23);
    cmdEdit->setToolTip(tr("Drag & drop"));

    GroupBox2 = place(new QGroupBox(client), 16, 8, 201, 89);
    Label2 = label(tr("Retrains"), GroupBox2, 98, 59);
    Label1 = label(tr("Qty"), GroupBox2, 22, 59);

    dlgOpen.filters = {tr("ai (*.ai)"), tr("All (*.*)")};
    dlgOpen.defaultExt = QStringLiteral(".ai");
    dlgOpen.fileMustExist = true;

    ListBox1 = place(new TListBox(client), 16, 112, 213, 171);
    ListBox1->setFont(fixedPitchFont(false));
    ListBox1->hide();

    Image1 = place(new QLabel(client), 244, 338, 33, 33);
    Image1->setPixmap(toiletPicture());
    Image1->setAlignment(Qt::AlignCenter);

    Status = new TStatusBar({300, 60, 55, 32, 50}, this);
    Status->setFixedHeight(kStatusHeight);
    setStatusBar(Status);

    dlgSave = dlgOpen;
    dlgSave.save = true;
    dlgSave.fileMustExist = false;
    dlgSave.overwritePrompt = true;

    cmdExit = button(tr("E&xit"), client, 450, 341, 73, 25);
    chkRetrainB = place(new QCheckBox(tr("Limit"), GroupBox1), 97, 40);
    chkRetrainB->hide();

    UpDown1 = place(new TUpDown(1, 10, 1, GroupBox2), 68, 57, 16, 19);
    UpDown2 = place(new TUpDown(2, 50, 2, GroupBox2), 164, 56, 16, 19);
    UpDown2->setEnabled(false);

    dlgFind = new TFindDialog(this);

    cboList = place(new TComboBox(GroupBox2), 20, 19, 161, 21);
    txtCount =
        editBox<SteppedEdit>(QStringLiteral("1"), GroupBox2, 44, 57, 25, 19, UpDown1->min(), UpDown1->max());
    txtRetrains =
        editBox<SteppedEdit>(QStringLiteral("2"), GroupBox2, 140, 57, 25, 19, UpDown2->min(), UpDown2->max());
    txtRetrains->setEnabled(false);
    QPalette grey = txtRetrains->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Button));
    txtRetrains->setPalette(grey);

    Label3 = place(new DecorationLabel(QString::fromLatin1(kRuler), client), 16, 104, 322, 16);
    Label3->setFont(fixedPitchFont(true));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setContentsMargins(0, 0, 0, 0);
    // The ruler's bars stand over the text area's columns: both start at the
    // text area's first character.
    Label3->setIndent(Memo1->frameWidth() + int(Memo1->document()->documentMargin()));
    Label3->resize(qMax(Label3->width(), Label3->sizeHint().width()), Label3->height());
    Label3->lower();

    GroupBox3 = place(new QGroupBox(client), 19, 333, 185, 43);
    txtVillagers = editBox(QStringLiteral("0"), GroupBox3, 62, 14, 25, 21);
    cmdVillCountRefresh = button(tr("Refresh"), GroupBox3, 103, 14, 69, 21);
    Label4 = label(tr("Villagers"), GroupBox3, 11, 18);

    // The text area and the list lie over the lower part of the ruler's box.
    Memo1->raise();
    ListBox1->raise();

    setTabOrderOf({cboList, txtCount, txtRetrains, radioUnits, radioBldgs, radioResearch, chkRetrains,
                   chkRetrainB, chkCritical, cmdAdd, cmdDelete, cmdEdit, Memo1, ListBox1, txtVillagers,
                   cmdVillCountRefresh, cmdExit});
}

void TForm1::createMenu()
{
    MainMenu1 = new QMenuBar(this);
    setMenuBar(MainMenu1);

    File1 = MainMenu1->addMenu(tr("&File"));
    mnuNew = File1->addAction(tr("&New"));
    mnuOpen = File1->addAction(tr("&Open..."));
    mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuSave = File1->addAction(tr("&Save"));
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveAs = File1->addAction(tr("Save &As..."));
    mnuSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    N2 = File1->addSeparator();
    mnuExit = File1->addAction(tr("E&xit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    Edit1 = MainMenu1->addMenu(tr("&Edit"));
    mnuEditNormal = Edit1->addAction(tr("Edit Normal"));
    mnuEditLines = Edit1->addAction(tr("Edit Lines"));
    N3 = Edit1->addSeparator();
    mnuUndo = Edit1->addAction(tr("Undo"));
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = Edit1->addAction(tr("Redo"));
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    showHistoryCommands();

    Search1 = MainMenu1->addMenu(tr("&Search"));
    mnuFind = Search1->addAction(tr("Find..."));
    mnuCount = Search1->addAction(tr("Count"));
    mnuCheckOrder = Search1->addAction(tr("Check Order..."));

    Help1 = MainMenu1->addMenu(tr("&Help"));
    mnuHelpHelp = Help1->addAction(tr("Help"));
    mnuHelpAbout = Help1->addAction(tr("About"));

    for (QAction* a : {mnuOpen, mnuSave, mnuSaveAs, mnuExit, mnuUndo, mnuRedo})
        a->setShortcutContext(Qt::WindowShortcut);
}

void TForm1::wireEvents()
{
    connect(radioUnits, &QRadioButton::clicked, this, app_.guarded(this, &TForm1::radioUnitsClick));
    connect(radioBldgs, &QRadioButton::clicked, this, app_.guarded(this, &TForm1::radioBldgsClick));
    connect(radioResearch, &QRadioButton::clicked, this, app_.guarded(this, &TForm1::radioResearchClick));
    // A check box's click event follows every change of its state, the
    // program's own included.
    connect(chkRetrains, &QCheckBox::toggled, this, app_.guarded(this, &TForm1::chkRetrainsClick));
    connect(chkRetrainB, &QCheckBox::toggled, this, app_.guarded(this, &TForm1::chkRetrainBClick));
    connect(UpDown1, &TUpDown::clicked, this, app_.guarded(this, &TForm1::UpDown1Click));
    connect(UpDown2, &TUpDown::clicked, this, app_.guarded(this, &TForm1::UpDown2Click));
    UpDown1->stepWithArrowKeys(txtCount);
    UpDown2->stepWithArrowKeys(txtRetrains);
    connect(cboList, &TComboBox::changedByUser, this, app_.guarded(this, &TForm1::cboListChange));
    connect(cboList, &TComboBox::chosenFromList, this, app_.guarded(this, &TForm1::cboListClick));

    connect(cmdAdd, &QPushButton::clicked, this, app_.guarded(this, &TForm1::cmdAddClick));
    connect(cmdDelete, &QPushButton::clicked, this, app_.guarded(this, &TForm1::cmdDeleteClick));
    connect(cmdVillCountRefresh, &QPushButton::clicked, this,
            app_.guarded(this, &TForm1::cmdVillCountRefreshClick));
    connect(cmdEdit, &QPushButton::clicked, this, app_.guarded(this, &TForm1::cmdEditClick));
    connect(cmdExit, &QPushButton::clicked, this, app_.guarded(this, &TForm1::cmdExitClick));

    // Commands that may open a modal box run one turn of the event loop
    // after the menu item is chosen: a screen reader that chose it waits
    // for the choice to return, not for the box to close.
    const auto later = Qt::QueuedConnection;
    connect(mnuNew, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuNewClick), later);
    connect(mnuOpen, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuOpenClick), later);
    connect(mnuSave, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuSaveClick), later);
    connect(mnuSaveAs, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuSaveAsClick), later);
    connect(mnuExit, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuExitClick), later);
    connect(mnuEditNormal, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuEditNormalClick));
    connect(mnuEditLines, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuEditLinesClick));
    connect(mnuUndo, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuUndoClick));
    connect(mnuRedo, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuRedoClick));
    connect(document_, &BuildList::historyChanged, this, [this] { showHistoryCommands(); });
    connect(document_, &BuildList::modifiedChanged, this, &TForm1::showModified);
    connect(document_, &BuildList::linesChanged, this, &TForm1::showLinesChanged);
    connect(document_, &BuildList::lineMoved, this, &TForm1::showLineMoved);
    connect(mnuFind, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuFindClick));
    connect(mnuCount, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuCountClick));
    connect(mnuCheckOrder, &QAction::triggered, this, app_.guarded(this, &TForm1::mnuCheckOrderClick));

    connect(Memo1, &TMemo::clicked, this, app_.guarded(this, &TForm1::Memo1Click));
    connect(Memo1, &TMemo::keyReleased, this, app_.guarded(this, &TForm1::Memo1KeyUp));
    // Whatever the user turns to next ends the typing step.
    connect(Memo1, &TMemo::focusLeft, this, app_.guarded(this, &TForm1::Memo1Exit));
    Memo1->onUserEdit = [this](const std::function<void()>& edit) {
        app_.guard([&] { Memo1UserEdit(edit); });
    };
    Memo1->onKeyDown = [this](int& key, Qt::KeyboardModifiers shift) {
        app_.guard([&] { Memo1KeyDown(key, shift); });
    };
    Memo1->onKeyPress = [this](char16_t& key) {
        // An error in the handler must not let the character through.
        const char16_t typed = key;
        key = 0;
        app_.guard([&] {
            char16_t ch = typed;
            Memo1KeyPress(ch);
            key = ch;
        });
    };

    connect(ListBox1, &TListBox::clickedByUser, this, app_.guarded(this, &TForm1::ListBox1Click));
    connect(ListBox1, &TListBox::mousePressed, this, app_.guarded(this, &TForm1::ListBox1MouseDown));
    connect(ListBox1, &TListBox::moveKeyPressed, this, app_.guarded(this, &TForm1::moveSelectedLine));
    connect(ListBox1, &TListBox::contextMenuAsked, this, app_.guarded(this, &TForm1::ListBox1ContextMenu));

    drag_ = new DragController(this, app_);
    drag_->addControl(this, app_.guarded(this, &TForm1::FormDragOver));
    drag_->addControl(ListBox1, app_.guarded(this, &TForm1::ListBox1DragOver),
                      app_.guarded(this, &TForm1::ListBox1DragDrop));
    drag_->addControl(Image1, app_.guarded(this, &TForm1::Image1DragOver),
                      app_.guarded(this, &TForm1::Image1DragDrop));
    drag_->addControl(txtVillagers, app_.guarded(this, &TForm1::txtVillagersDragOver));
    drag_->addControl(cmdVillCountRefresh, app_.guarded(this, &TForm1::cmdVillCountRefreshDragOver));
    for (QWidget* w : std::initializer_list<QWidget*>{
             Memo1,       GroupBox1, radioUnits, radioBldgs, radioResearch, chkRetrains, chkCritical,
             cmdAdd,      cmdDelete, cmdEdit,    GroupBox2,  Label2,        Label1,      cmdExit,
             chkRetrainB, UpDown1,   UpDown2,    cboList,    txtCount,      txtRetrains, Label3,
             GroupBox3,   Label4,    MainMenu1,  Status})
        drag_->addControl(w);
    // The client area is the window's own background.
    drag_->addControl(centralWidget(), app_.guarded(this, &TForm1::FormDragOver));

    connect(dlgFind, &TFindDialog::findNextPressed, this, app_.guarded(this, &TForm1::dlgFindFind));
}

void TForm1::FormCreate()
{
    catalog_.fill();
    document_->reset({QString::fromLatin1(kStartingLine)});
    radioUnitsClick();
    setVillagerCount(0);
    enterMode(EditMode::Normal);
    ListBox1->setGeometry(Memo1->geometry());
    setInsertAt(-1);
}

void TForm1::FormShow()
{
    giveFocus(cboList);
}

void TForm1::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!e->spontaneous())
        app_.guard([this] { FormShow(); });
}

void TForm1::closeEvent(QCloseEvent* e)
{
    // Once the Exit guard has ended the run, closing asks nothing more.
    if (app_.terminated()) {
        e->accept();
        return;
    }
    bool canClose = true;
    bool answered = false;
    app_.guard([&] {
        FormCloseQuery(canClose);
        answered = true;
    });
    if (answered && canClose)
        e->accept();
    else
        e->ignore();
}

void TForm1::setVillagerCount(int count, VillagerBox box)
{
    villagerCount_ = count;
    if (box == VillagerBox::Show)
        txtVillagers->setText(IntToStr(count));
}

void TForm1::setUndoAvailable(bool available)
{
    undoAvailable_ = available;
    cmdDelete->setEnabled(available);
}

void TForm1::setCurrentLine(int line)
{
    currentLine_ = line;
    insertAt_ = line + 1;
}

void TForm1::setInsertAt(int index)
{
    insertAt_ = index;
}

void TForm1::setFindFrom(int index)
{
    findFrom_ = index;
}
