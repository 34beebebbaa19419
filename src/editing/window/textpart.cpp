#include "editing/window/textpart.h"

#include "buildlist/lineformat.h"
#include "editing/window/keymessages.h"
#include "widgets/application.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/decorationlabel.h"
#include "widgets/linenotes.h"
#include "widgets/objectnames.h"
#include "widgets/placedcontrols.h"
#include "widgets/programfiles.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTextDocument>

namespace {

constexpr char16_t kLowestAccepted = 32;
constexpr char16_t kHighestAccepted = 126;
// The text is this much wider while a file is read into it, so that its
// long lines are not wrapped.
constexpr int kReadingWidth = 700;

} // namespace

TextPart::TextPart(Application& app, BuildList& document, QWidget* client)
    : QObject(client), app_(app), document_(document)
{
    setObjectName(QStringLiteral("textPart"));
    createControls(client);
    wireControls();
    nameForScreenReaders();
    textArea->setLines(document_.lines(), document_.endsWithBreak());
}

TextPart::~TextPart()
{
    // The text may lose the focus, and the document may still speak, as
    // the window goes: neither reaches a part that is gone.
    textArea->disconnect(this);
    document_.disconnect(this);
}

void TextPart::createControls(QWidget* client)
{
    textArea = place(new BuildListTextEdit(true, client), 16, 112, kTextAreaWidth, 217);
    textArea->setFont(fixedPitchFont(false));
    textArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    removeLastLineButton = placedButton(tr("Undo"), client, 452, 46, 73, 23);
    setUndoAvailable(false);

    ruler = place(new DecorationLabel(QString::fromLatin1(kRuler), client), 16, 104, 322, 16);
    ruler->setFont(fixedPitchFont(true));
    ruler->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ruler->setContentsMargins(0, 0, 0, 0);
    // The ruler's bars stand over the text's columns: both start at the
    // text's first character.
    ruler->setIndent(textArea->frameWidth() + int(textArea->document()->documentMargin()));
    ruler->resize(qMax(ruler->width(), ruler->sizeHint().width()), ruler->height());
    // The text lies over the lower part of the ruler's box.
    ruler->lower();
    textArea->raise();

    setObjectNames({{textArea, "Memo1"}, {removeLastLineButton, "cmdDelete"}, {ruler, "Label3"}});
}

void TextPart::nameForScreenReaders()
{
    textArea->setAccessibleName(tr("Build list"));
    textArea->setAccessibleDescription(tr("The build list as text, one 48-character line per step"));
}

void TextPart::wireControls()
{
    connect(removeLastLineButton, &QPushButton::clicked, this, app_.guarded(this, &TextPart::removeLastLine));
    connect(&document_, &BuildList::linesChanged, this, &TextPart::showLinesChanged);
    connect(&document_, &BuildList::lineMoved, this, &TextPart::showLineMoved);
    connect(&document_, &BuildList::positionChanged, this, &TextPart::showPosition);

    connect(textArea, &BuildListTextEdit::clicked, this, app_.guarded(this, &TextPart::textAreaClicked));
    connect(textArea, &BuildListTextEdit::keyReleased, this, app_.guarded(this, &TextPart::textAreaClicked));
    connect(textArea, &QPlainTextEdit::cursorPositionChanged, this, &TextPart::noteCaret);
    // Whatever the user turns to next ends the typing step.
    connect(textArea, &BuildListTextEdit::focusLeft, this, [this] { document_.endTyping(); });
    connect(textArea, &BuildListTextEdit::userEditStarting, this,
            app_.guarded(this, &TextPart::userEditStarting));
    connect(textArea, &BuildListTextEdit::userEditMade, this, app_.guarded(this, &TextPart::userEditMade));
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

    // Undo and Redo give the button back as it was around their step.
    undoRecord_.keep(
        document_, this, [this] { return undoAvailable_; },
        [this](bool available) { setUndoAvailable(available); });
}

QWidgetList TextPart::buttonFocusOrder() const
{
    return {removeLastLineButton};
}

QWidgetList TextPart::viewFocusOrder() const
{
    return {textArea};
}

QRect TextPart::viewArea() const
{
    return textArea->geometry();
}

QWidgetList TextPart::controls() const
{
    return {removeLastLineButton, textArea, ruler};
}

void TextPart::setUndoAvailable(bool available)
{
    // It takes the text's last line: never while the list is shown.
    undoAvailable_ = available && shown_;
    removeLastLineButton->setEnabled(undoAvailable_);
}

void TextPart::showForMode(bool lines)
{
    if (lines)
        return;
    // Shown before the list hides, so that the focus goes straight to it
    // rather than on to the next control.
    shown_ = true;
    textArea->setVisible(true);
    textArea->setFocus();
    showPosition();
}

void TextPart::hideForMode(bool lines)
{
    if (!lines)
        return;
    shown_ = false;
    setUndoAvailable(false);
    textArea->setVisible(false);
}

void TextPart::beginReading()
{
    setUndoAvailable(false);
    reading_ = true;
    textArea->hide();
    textArea->resize(kReadingWidth, textArea->height());
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TextPart::endReading()
{
    textArea->resize(kTextAreaWidth, textArea->height());
    textArea->show();
    reading_ = false;
    QApplication::restoreOverrideCursor();
}

void TextPart::editFrom(int caret)
{
    textArea->setSelStart(caret);
    textArea->setFocus();
    textAreaClicked();
}

void TextPart::markProblemLines(const QList<int>& lines, const QStringList& texts)
{
    textArea->setMarkedLines(lineNotes(lines, texts));
}

// --- the document shown ------------------------------------------------------

void TextPart::showLinesChanged(int row, int removed, int inserted)
{
    if (typingIn_)
        return;
    if (row == 0 && removed >= textArea->lineCount()) {
        textArea->setLines(document_.lines(), document_.endsWithBreak());
    } else if (removed == 1 && inserted == 1) {
        textArea->setLine(row, document_.line(row));
    } else {
        if (removed > 0)
            textArea->removeLines(row, removed);
        if (inserted > 0)
            textArea->insertLines(row, document_.lines().mid(row, inserted));
    }
    if (textArea->endsWithBreak() != document_.endsWithBreak())
        textArea->setEndsWithBreak(document_.endsWithBreak());
}

void TextPart::showLineMoved(int from, int to)
{
    textArea->moveLine(from, to);
}

void TextPart::showPosition()
{
    const EditPosition& p = document_.position();
    if (p.column != columnShown_) {
        columnShown_ = p.column;
        emit columnShown(p.column);
    }
    // A hidden text's caret is placed once it is shown: placing it now
    // would lay out the text.
    if (!shown_ || reading_) {
        caretBehind_ = true;
        return;
    }
    caretBehind_ = false;
    if (textArea->selStart() != p.caret)
        textArea->setSelStart(p.caret);
}

void TextPart::noteCaret()
{
    // The caret the user moves, or that an edit of the shown text moves.
    if (!shown_ || reading_ || caretBehind_)
        return;
    EditPosition p = document_.position();
    p.caret = textArea->selStart();
    document_.setPosition(p);
}

void TextPart::typeLines(int row, int count, const QStringList& lines)
{
    const QScopedValueRollback<bool> own(typingIn_, true);
    document_.type(row, count, lines, textArea->endsWithBreak());
}

// --- typing ------------------------------------------------------------------

void TextPart::userEditStarting()
{
    // A typed character changes its line, or joins the lines a selection
    // spans; Delete may join the next line on. The text makes the change,
    // and the document takes the lines it changed.
    typing_.reset();
    const auto [first, last] = textArea->selectedLines();
    const int countBefore = textArea->lineCount();
    const int from = qBound(0, first, countBefore);
    typing_.emplace(document_, LineStep::Kind::Typing);
    typedFrom_ = from;
    typedLines_ = qMax(0, qMin(last + 1, countBefore - 1) - from + 1);
    lineCountBefore_ = countBefore;
}

void TextPart::userEditMade()
{
    if (!typing_)
        return;
    // The step is made as the change ends, whatever happens below.
    const auto ending = qScopeGuard([this] { typing_.reset(); });
    const int now = typedLines_ + (textArea->lineCount() - lineCountBefore_);
    QStringList lines;
    for (int row = typedFrom_; row < typedFrom_ + now; ++row)
        lines.append(textArea->line(row));
    typeLines(typedFrom_, typedLines_, lines);
}

void TextPart::refuseKey()
{
    app_.dialogs().playSound(QStringLiteral("Kick8.wav"));
    app_.dialogs().messageBox(textArea->window(), KeyMessages::kLineLengthInvalid, KeyMessages::kTitle,
                              MsgButtons::OK, MsgIcon::Exclamation, MsgResult::OK);
}

void TextPart::textAreaKeyDown(int key, Qt::KeyboardModifiers modifiers, bool* consumed)
{
    // Undo's and Redo's keys reach the text only when there is no step to
    // take: they are the history's, and are not refused.
    const bool ctrl = (modifiers & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier;
    if (ctrl && (key == Qt::Key_Z || key == Qt::Key_Y)) {
        *consumed = true;
        app_.dialogs().beep();
        return;
    }
    // Delete may shorten a line, never join two into one too long.
    if (key == Qt::Key_Delete && modifiers == Qt::NoModifier && textArea->lengthAfterDelete() > kLineLength) {
        *consumed = true;
        refuseKey();
        return;
    }
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return;
    // Leaving a short line pads it; a line that does not exist is left alone.
    const int current = document_.position().line;
    if (!textArea->lineExists(current))
        return;
    const QString s = textArea->line(current);
    if (s.size() >= kLineLength)
        return;
    // Padding belongs to the typing on the line it leaves. The text pads
    // it, the caret at its end, and the document takes the line; the empty
    // line after a final break becomes a last line without one.
    const BuildList::Change change(document_, LineStep::Kind::Typing);
    const bool afterTheLast = current >= document_.lineCount();
    const QString padded = s.leftJustified(kLineLength, QLatin1Char(' '));
    textArea->setLine(current, padded);
    typeLines(current, afterTheLast ? 0 : 1, {padded});
}

void TextPart::textAreaKeyPress(char16_t key, bool* refused)
{
    // The line that would grow is the one the character goes into, whatever
    // line the last click or key release noted; a selection over line
    // breaks joins its lines, and the joined line counts.
    const bool overwrites = textArea->selLength() > 0 && !textArea->selectionSpansLines();
    const bool full = !overwrites && textArea->lengthAfterTyping() > kLineLength;
    // Control characters and anything the 8-bit files would not read back
    // as typed are refused.
    const bool unprintable = key < kLowestAccepted || key > kHighestAccepted;
    if (full || unprintable) {
        *refused = true;
        refuseKey();
    }
}

void TextPart::textAreaClicked()
{
    const int caret = textArea->selStart();
    EditPosition p = document_.position();
    const bool sameLine = caret / kLineSlot == p.line;
    if (!sameLine)
        document_.endTyping(); // typing on another line is another step
    p.line = caret / kLineSlot;
    p.insertAt = p.line + 1;
    p.caret = caret;
    p.column = caret % kLineSlot;
    document_.setPosition(p);
    // The column is shown again, as each click and key notes it.
    emit columnShown(p.column);
    if (sameLine)
        document_.typingGoesOn();
}

// --- the last line -----------------------------------------------------------

void TextPart::removeLastLine()
{
    const int count = document_.lineCount();
    const BuildList::Change change(document_, LineStep::Kind::RemoveLastLine);
    if (count > 0) {
        const QString last = document_.line(count - 1);
        // A quantity that does not convert stops it here, the line kept.
        if (last.contains(QLatin1String("Villager")))
            emit villagerLineRemoved(readQuantity(last));
        // The last line goes; the break before it stays, so the text ends
        // with one.
        document_.replaceLines(LineStep::Kind::RemoveLastLine, count - 1, 1, {}, true);
        emit announced(tr("Removed line %1: %2").arg(count).arg(last.simplified()));
    }
    setUndoAvailable(false);
}
