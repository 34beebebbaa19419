#include "editing/window/lineeditor.h"

#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/dragcontroller.h"
#include "search/window/findcommand.h"
#include "widgets/application.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/decorationlabel.h"
#include "widgets/objectnames.h"
#include "widgets/pictures.h"
#include "widgets/placedcontrols.h"
#include "widgets/programfiles.h"

#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>

namespace {

void name(QWidget* control, const QString& name, const QString& description = QString())
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

} // namespace

LineEditor::LineEditor(Application& app, BuildList& document, QWidget* client)
    : QObject(client), app_(app), document_(document)
{
    setObjectName(QStringLiteral("lineEditor"));
    createControls(client);
    wireControls();
    nameForScreenReaders();
    document_.setContext(this);
}

LineEditor::~LineEditor()
{
    // The text area may lose the focus, and the document may still speak,
    // as the window goes: neither reaches an editor that is gone.
    textArea->disconnect(this);
    document_.disconnect(this);
    document_.setContext(nullptr);
}

QWidget* LineEditor::window() const
{
    return textArea->window();
}

const BuildListTextEdit& LineEditor::textView() const
{
    return *textArea;
}

void LineEditor::createControls(QWidget* client)
{
    textArea = place(new BuildListTextEdit(true, client), 16, 112, kTextAreaWidth, 217);
    textArea->setFont(fixedPitchFont(false));
    textArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

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
                    {ruler, "Label3"}});
}

void LineEditor::nameForScreenReaders()
{
    name(toilet, tr("Remove line: drop a line here"),
         tr("In Lines mode, a line dragged onto this picture is removed from the build list. "
            "The Remove item of a row's context menu does the same."));
    name(textArea, tr("Build list"), tr("The build list as text, one 48-character line per step"));
    name(lineList, tr("Build list"),
         tr("One row per line. Alt+Up and Alt+Down move the selected line; "
            "the context menu moves or removes it."));
    // Its caption says which mode it enters; its tooltip only "Drag & drop".
    modeButton->setAccessibleDescription(
        tr("Switches between editing the text and moving whole lines in a list"));
}

void LineEditor::wireControls()
{
    connect(removeLastLineButton, &QPushButton::clicked, this,
            app_.guarded(this, &LineEditor::removeLastLine));
    connect(modeButton, &QPushButton::clicked, this, app_.guarded(this, &LineEditor::switchMode));
    connect(&document_, &BuildList::linesChanged, this, &LineEditor::showLinesChanged);
    connect(&document_, &BuildList::lineMoved, this, &LineEditor::showLineMoved);

    connect(textArea, &BuildListTextEdit::clicked, this, app_.guarded(this, &LineEditor::textAreaClicked));
    connect(textArea, &BuildListTextEdit::keyReleased, this, app_.guarded(this, &LineEditor::textAreaKeyUp));
    // Whatever the user turns to next ends the typing step.
    connect(textArea, &BuildListTextEdit::focusLeft, this, app_.guarded(this, &LineEditor::textAreaLeft));
    connect(textArea, &BuildListTextEdit::userEditStarting, this,
            app_.guarded(this, &LineEditor::userEditStarting));
    connect(textArea, &BuildListTextEdit::userEditMade, this, app_.guarded(this, &LineEditor::userEditMade));
    connect(textArea, &BuildListTextEdit::keyGoingDown, this,
            [this](int key, Qt::KeyboardModifiers modifiers, bool* consumed) {
                app_.guard([&] { textAreaKeyDown(key, modifiers, consumed); });
            });
    connect(textArea, &BuildListTextEdit::characterComing, this, [this](char16_t ch, bool* refused) {
        // An error in the handler must not let the character through.
        bool refuse = true;
        app_.guard([&] {
            bool rule = false;
            textAreaKeyPress(ch, &rule);
            refuse = rule;
        });
        *refused = refuse;
    });

    connect(lineList, &BuildListView::clickedByUser, this, app_.guarded(this, &LineEditor::rowClicked));
    connect(lineList, &BuildListView::mousePressed, this, app_.guarded(this, &LineEditor::startLineDrag));
    connect(lineList, &BuildListView::moveKeyPressed, this,
            app_.guarded(this, &LineEditor::moveSelectedLine));
    connect(lineList, &BuildListView::contextMenuAsked, this, app_.guarded(this, &LineEditor::showLineMenu));

    drag_ = new DragController(window(), app_);
    drag_->addControl(lineList, DragController::Reaction::TakesDrops);
    drag_->addControl(toilet, DragController::Reaction::TakesDrops);
    for (QWidget* w : {static_cast<QWidget*>(textArea), static_cast<QWidget*>(removeLastLineButton),
                       static_cast<QWidget*>(modeButton), static_cast<QWidget*>(ruler)})
        drag_->addControl(w);
    connect(drag_, &DragController::draggedOver, this,
            [this](QWidget* control, const QPoint& pos, bool* accept) {
                if (control == lineList)
                    dragOverList(pos, *accept);
                else if (control == toilet)
                    dragOverToilet(pos, *accept);
                else
                    dragOverWindow(pos, *accept);
            });
    connect(drag_, &DragController::droppedOn, this, [this](QWidget* control, const QPoint& pos) {
        if (control == lineList)
            dropOnList(pos);
        else if (control == toilet)
            dropOnToilet(pos);
    });
}

void LineEditor::addDragSurface(QWidget* control, bool showsNoDrop)
{
    drag_->addControl(control,
                      showsNoDrop ? DragController::Reaction::Hovers : DragController::Reaction::Refuses);
}

QWidgetList LineEditor::buttonFocusOrder() const
{
    return {removeLastLineButton, modeButton};
}

QWidgetList LineEditor::viewFocusOrder() const
{
    return {textArea, lineList};
}

void LineEditor::startAfresh()
{
    enterMode(EditMode::Normal);
    lineList->setGeometry(textArea->geometry());
    setInsertAt(-1);
    // Undo must never take a line off a build list it did not add.
    setUndoAvailable(false);
}

void LineEditor::setUndoAvailable(bool available)
{
    undoAvailable_ = available;
    removeLastLineButton->setEnabled(available);
}

void LineEditor::setCurrentLine(int line)
{
    currentLine_ = line;
    insertAt_ = line + 1;
}

void LineEditor::setInsertAt(int index)
{
    insertAt_ = index;
}

void LineEditor::editFrom(int caret)
{
    textArea->setSelStart(caret);
    textArea->setFocus();
    textAreaClicked();
}

void LineEditor::enterLinesModeToSearch()
{
    if (!linesMode_)
        enterLinesMode();
}

void LineEditor::selectFoundLine(int line)
{
    lineList->setItemIndex(line);
}

void LineEditor::placeInsertionBelowSelection()
{
    setInsertAt(lineList->itemIndex() + 1);
}

void LineEditor::leaveLinesMode()
{
    if (linesMode_)
        switchMode();
}

void LineEditor::caretToTop()
{
    textArea->setSelStart(0);
}

void LineEditor::showLine(int index)
{
    if (!linesMode_)
        enterLinesMode();
    selectRowAsClicked(index);
}

void LineEditor::focusList()
{
    lineList->setFocus(Qt::OtherFocusReason);
}

void LineEditor::markProblemLines(const QList<int>& lines, const QStringList& texts)
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
