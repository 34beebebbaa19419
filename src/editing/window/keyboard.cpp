// The text area's keyboard rules and the status they keep.
#include "buildlist/lineformat.h"
#include "editing/window/keymessages.h"
#include "editing/window/lineeditor.h"
#include "widgets/application.h"
#include "widgets/buildlisttextedit.h"

namespace {
constexpr char16_t kLowestAccepted = 32;
constexpr char16_t kHighestAccepted = 126;
} // namespace

void LineEditor::refuseKey()
{
    app_.dialogs().playSound(QStringLiteral("Kick8.wav"));
    app_.dialogs().messageBox(window(), KeyMessages::kLineLengthInvalid, KeyMessages::kTitle, MsgButtons::OK,
                              MsgIcon::Exclamation, MsgResult::OK);
}

void LineEditor::textAreaKeyDown(int key, Qt::KeyboardModifiers shift, bool* consumed)
{
    // Undo's and Redo's keys reach the text area only when there is no
    // step to take: they are the history's, and are not refused.
    const bool ctrl = (shift & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier;
    if (ctrl && (key == Qt::Key_Z || key == Qt::Key_Y)) {
        *consumed = true;
        app_.dialogs().beep();
        return;
    }
    // Delete may shorten a line, never join two into one too long.
    if (key == Qt::Key_Delete && shift == Qt::NoModifier && textArea->lengthAfterDelete() > kLineLength) {
        *consumed = true;
        refuseKey();
        return;
    }
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return;
    // Leaving a short line pads it; a line that does not exist is left alone.
    if (!textArea->lineExists(currentLine_))
        return;
    const QString s = textArea->line(currentLine_);
    if (s.size() >= kLineLength)
        return;
    // Padding belongs to the typing on the line it leaves. The text area
    // pads it, the caret at its end, and the document takes the line; the
    // empty line after a final break becomes a last line without one.
    const BuildList::Change change(document_, LineStep::Kind::Typing);
    const bool afterTheLast = currentLine_ >= document_.lineCount();
    const QString padded = s.leftJustified(kLineLength, QLatin1Char(' '));
    textArea->setLine(currentLine_, padded);
    document_.type(currentLine_, afterTheLast ? 0 : 1, {padded}, textArea->endsWithBreak());
}

void LineEditor::textAreaKeyPress(char16_t key, bool* refused)
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

void LineEditor::textAreaKeyUp()
{
    textAreaClicked();
}

void LineEditor::textAreaClicked()
{
    const int p = textArea->selStart();
    const bool sameLine = p / kLineSlot == currentLine_;
    if (!sameLine)
        document_.endTyping(); // typing on another line is another step
    setCurrentLine(p / kLineSlot);
    column_ = p % kLineSlot;
    emit columnShown(column_);
    if (sameLine)
        document_.typingGoesOn();
}
