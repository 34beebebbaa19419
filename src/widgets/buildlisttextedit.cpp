#include "widgets/buildlisttextedit.h"
#include "widgets/linenotes.h"

#include "editing/textcopy.h"
#include "widgets/classicedit.h"
#include <QPainter>
#include <QTextBlock>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

const QString kBreak = QStringLiteral("\r\n");

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    default: return false;
    }
}

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock: return true;
    default: return false;
    }
}

// The character a key stands for, as the text area's key-press event sees
// it: editing keys and Ctrl+letter give their control characters; 0 when the
// key produces no character.
char16_t characterOf(const QKeyEvent* e)
{
    const auto mods = e->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & Qt::AltModifier;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return ctrl ? 127 : 8;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    if (ctrl && !alt && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return char16_t(1 + e->key() - Qt::Key_A);
    // Keys that the text area would turn into editing commands stand for
    // the control character of their Ctrl+letter twin.
    if (e->matches(QKeySequence::Paste))
        return 22;
    if (e->matches(QKeySequence::Copy))
        return 3;
    if (e->matches(QKeySequence::Cut))
        return 24;
    if (e->matches(QKeySequence::Undo))
        return 26;
    if (e->matches(QKeySequence::Redo))
        return 25;
    if (e->matches(QKeySequence::DeleteStartOfWord) || e->matches(QKeySequence::DeleteEndOfWord)
        || e->matches(QKeySequence::DeleteCompleteLine))
        return 127;
    const QString text = e->text();
    if (!text.isEmpty() && !ctrl)
        return text.at(0).unicode();
    return 0;
}

// Whether the key would put its text into an ordinary text area, rather
// than edit (Backspace, Delete, Enter) or run a Ctrl command.
bool typesText(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return false;
    default: break;
    }
    const auto mods = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    return !e->text().isEmpty() && mods != Qt::ControlModifier;
}

} // namespace

QString toNewlines(const QString& text, QChar lineBreak)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out.append(lineBreak);
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n')) {
            out.append(lineBreak);
        } else {
            out.append(c);
        }
    }
    return out;
}

BuildListTextEdit::BuildListTextEdit(bool strictKeys, QWidget* parent)
    : QPlainTextEdit(parent), strict_(strictKeys)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    setTabChangesFocus(true);
    setAcceptDrops(!strictKeys);
    connect(document(), &QTextDocument::contentsChange, this, &BuildListTextEdit::noteChange);
    connect(this, &QPlainTextEdit::textChanged, this, &BuildListTextEdit::changed);
}

// --- lines -----------------------------------------------------------------

int BuildListTextEdit::lineCount() const
{
    const QTextDocument* doc = document();
    const int blocks = doc->blockCount();
    return doc->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

bool BuildListTextEdit::lineExists(int index) const
{
    return index >= 0 && index < document()->blockCount();
}

QString BuildListTextEdit::line(int index) const
{
    if (!lineExists(index))
        return QString();
    return document()->findBlockByNumber(index).text();
}

void BuildListTextEdit::setLine(int index, const QString& s)
{
    if (!lineExists(index))
        return;
    const QTextBlock block = document()->findBlockByNumber(index);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(QString(s).remove(QLatin1Char('\r')).remove(QLatin1Char('\n')));
    setTextCursor(cursor);
}

void BuildListTextEdit::insertAtEnd(const QString& text)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

void BuildListTextEdit::addLine(const QString& s)
{
    const QString clean = toNewlines(s);
    if (isTextEmpty() || document()->lastBlock().length() <= 1)
        insertAtEnd(clean + QLatin1Char('\n'));
    else
        insertAtEnd(QLatin1Char('\n') + clean);
}

void BuildListTextEdit::insertLine(int index, const QString& s)
{
    if (index >= lineCount()) {
        addLine(s);
        return;
    }
    QTextCursor cursor(document()->findBlockByNumber(qMax(0, index)));
    cursor.insertText(toNewlines(s) + QLatin1Char('\n'));
}

void BuildListTextEdit::deleteLine(int index)
{
    if (!lineExists(index))
        return;
    const QTextBlock block = document()->findBlockByNumber(index);
    QTextCursor cursor(block);
    const QTextBlock next = block.next();
    if (next.isValid())
        cursor.setPosition(next.position(), QTextCursor::KeepAnchor);
    else
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void BuildListTextEdit::removeLines(int index, int count)
{
    if (count <= 0 || !lineExists(index))
        return;
    const QTextBlock first = document()->findBlockByNumber(index);
    const QTextBlock after = document()->findBlockByNumber(index + count);
    QTextCursor cursor(document());
    if (after.isValid()) {
        cursor.setPosition(first.position());
        cursor.setPosition(after.position(), QTextCursor::KeepAnchor);
    } else {
        cursor.setPosition(qMax(0, first.position() - 1));
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
}

void BuildListTextEdit::moveLine(int from, int to)
{
    const QString moved = line(from);
    removeLines(from, 1);
    insertLines(to, {moved});
}

bool BuildListTextEdit::endsWithBreak() const
{
    return document()->lastBlock().length() <= 1;
}

void BuildListTextEdit::setEndsWithBreak(bool ends)
{
    if (ends == endsWithBreak() || isTextEmpty())
        return;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (ends)
        cursor.insertText(QStringLiteral("\n"));
    else
        cursor.deletePreviousChar();
}

QStringList BuildListTextEdit::lines() const
{
    QStringList result;
    result.reserve(document()->blockCount());
    forEachLine([&](QStringView line) { result.append(line.toString()); });
    return result;
}

static QString rawFromLines(const QStringList& lines, bool finalBreak)
{
    return joinLines(lines, QStringView(u"\u2029"), finalBreak);
}

QList<QStringView> BuildListTextEdit::lineViews() const
{
    QList<QStringView> result;
    result.reserve(document()->blockCount());
    forEachLine([&](QStringView line) { result.append(line); });
    return result;
}

void BuildListTextEdit::setLines(const QStringList& lines, bool finalBreak)
{
    setRawText(rawFromLines(lines, finalBreak));
}

void BuildListTextEdit::replaceLines(const QStringList& lines)
{
    QString raw = rawFromLines(lines, true);
    if (raw != rawText())
        setRawText(std::move(raw));
}

void BuildListTextEdit::setRawText(QString raw)
{
    // The document takes U+2029 as a block break, and what it then holds
    // is this raw text exactly. No copy is kept beside it: the raw text is
    // read back only when asked for, and kept up to date from then on.
    rawValid_ = false;
    raw_.clear();
    edits_.clear();
    setPlainText(raw);
}

// --- whole text ------------------------------------------------------------

void BuildListTextEdit::noteChange(int position, int removed, int added)
{
    ++version_;
    constexpr int kMostEdits = 8;
    constexpr int kLargestEdit = 4096;
    if (!rawValid_)
        return;
    // The document counts the break that ends its last block; an edit that
    // reaches it is read anew rather than copied.
    const bool pastEnd = position + added > document()->characterCount() - 1;
    if (edits_.size() >= kMostEdits || added > kLargestEdit || pastEnd) {
        rawValid_ = false;
        edits_.clear();
        return;
    }
    QTextCursor span(document());
    span.setPosition(position);
    span.setPosition(position + added, QTextCursor::KeepAnchor);
    edits_.append({position, removed, span.selectedText()});
}

const QString& BuildListTextEdit::rawText() const
{
    // The raw text keeps every character as it is (a no-break space too),
    // which the document's plain-text export would not.
    if (rawValid_ && !edits_.isEmpty()) {
        for (const Edit& e : std::as_const(edits_)) {
            if (e.position + e.removed > raw_.size()) {
                rawValid_ = false;
                break;
            }
            raw_.replace(e.position, e.removed, e.added);
        }
        edits_.clear();
        // The document ends in a break of its own that the raw text leaves out.
        if (raw_.size() != document()->characterCount() - 1)
            rawValid_ = false;
    }
    if (!rawValid_) {
        raw_ = document()->toRawText();
        rawValid_ = true;
        edits_.clear();
    }
    return raw_;
}

// The raw text with every block break written as CR LF, into a string of
// characters or of bytes.
template <class Text> static Text withCrLf(const QString& raw, int breaks)
{
    using Unit = std::remove_reference_t<decltype(*std::declval<Text&>().data())>;
    Text result(raw.size() + breaks, Qt::Uninitialized);
    Unit* out = result.data();
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator) {
            *out++ = Unit('\r');
            *out++ = Unit('\n');
        } else {
            *out++ = Unit(c.unicode() < 256 || sizeof(Unit) > 1 ? c.unicode() : '?');
        }
    }
    result.truncate(out - result.data());
    return result;
}

QString BuildListTextEdit::text() const
{
    return withCrLf<QString>(rawText(), document()->blockCount() - 1);
}

QByteArray BuildListTextEdit::latin1Text() const
{
    return withCrLf<QByteArray>(rawText(), document()->blockCount() - 1);
}

void BuildListTextEdit::setText(const QString& text)
{
    setRawText(toNewlines(text, QChar::ParagraphSeparator));
}

void BuildListTextEdit::clearText()
{
    setRawText(QString());
}

bool BuildListTextEdit::isTextEmpty() const
{
    return document()->characterCount() <= 1;
}

// --- offsets ---------------------------------------------------------------

int BuildListTextEdit::offsetOf(int documentPosition) const
{
    const QTextBlock block = document()->findBlock(documentPosition);
    return documentPosition + (block.isValid() ? block.blockNumber() : document()->blockCount() - 1);
}

int BuildListTextEdit::documentPositionOf(int offset) const
{
    const QTextDocument* doc = document();
    if (offset <= 0)
        return 0;
    // The last block whose start, counted with two-character breaks, is at
    // or before the offset.
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        const QTextBlock b = doc->findBlockByNumber(mid);
        if (b.position() + mid <= offset)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const int column = offset - (block.position() + low);
    return block.position() + qMin(column, block.length() - 1);
}

int BuildListTextEdit::selStart() const
{
    return offsetOf(textCursor().selectionStart());
}

int BuildListTextEdit::selLength() const
{
    const QTextCursor c = textCursor();
    return offsetOf(c.selectionEnd()) - offsetOf(c.selectionStart());
}

void BuildListTextEdit::setSelStart(int offset)
{
    QTextCursor c = textCursor();
    c.setPosition(documentPositionOf(offset));
    setTextCursor(c);
}

int BuildListTextEdit::lengthAfterTyping() const
{
    const QTextCursor c = textCursor();
    const QTextBlock first = document()->findBlock(c.selectionStart());
    const QTextBlock last = document()->findBlock(c.selectionEnd());
    const int before = c.selectionStart() - first.position();
    const int after = last.position() + last.length() - 1 - c.selectionEnd();
    return before + 1 + after;
}

int BuildListTextEdit::lengthAfterDelete() const
{
    const QTextCursor c = textCursor();
    if (c.hasSelection())
        return lengthAfterTyping() - 1;
    const QTextBlock block = c.block();
    const QTextBlock next = block.next();
    if (c.atBlockEnd() && next.isValid())
        return block.length() - 1 + next.length() - 1;
    return qMax(0, block.length() - 2);
}

std::pair<int, int> BuildListTextEdit::selectedLines() const
{
    const QTextCursor c = textCursor();
    return {document()->findBlock(c.selectionStart()).blockNumber(),
            document()->findBlock(c.selectionEnd()).blockNumber()};
}

bool BuildListTextEdit::selectionSpansLines() const
{
    const QTextCursor c = textCursor();
    return document()->findBlock(c.selectionStart()) != document()->findBlock(c.selectionEnd());
}

void BuildListTextEdit::selectAllText()
{
    selectAll();
}

void BuildListTextEdit::copySelection()
{
    // The selection as it stands: a no-break space stays one.
    const QString selected = textCursor().selectedText();
    if (!selected.isEmpty())
        QApplication::clipboard()->setText(QString(selected).replace(QChar::ParagraphSeparator, kBreak));
}

void BuildListTextEdit::insertLines(int index, const QStringList& lines)
{
    // One insertion, so one change: the lines as one text of several.
    if (!lines.isEmpty())
        insertLine(index, joinLines(lines, QStringView(u"\n"), false));
}

void BuildListTextEdit::pasteAtCaret()
{
    programPaste_ = true;
    paste();
    programPaste_ = false;
}

// --- keys and input --------------------------------------------------------

void BuildListTextEdit::setMarkedLines(const QHash<int, QString>& notes)
{
    notes_ = notes;
    viewport()->update();
}

void BuildListTextEdit::paintEvent(QPaintEvent* e)
{
    QPlainTextEdit::paintEvent(e);
    if (notes_.isEmpty())
        return;
    // A light tint over each marked line in view; the text shows through.
    QPainter painter(viewport());
    const QColor tint(255, 140, 0, 48);
    const QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF area = blockBoundingGeometry(block).translated(offset);
        if (area.top() > viewport()->height())
            break;
        if (notes_.contains(block.blockNumber()))
            painter.fillRect(QRectF(0, area.top(), viewport()->width(), area.height()), tint);
    }
}

bool BuildListTextEdit::viewportEvent(QEvent* e)
{
    if (!notes_.isEmpty() && showLineNote(e, viewport(), [this](QPoint at) {
            return noteOfLine(cursorForPosition(at).blockNumber());
        }))
        return true;
    return QPlainTextEdit::viewportEvent(e);
}

bool BuildListTextEdit::event(QEvent* e)
{
    if (strict_ && e->type() == QEvent::ShortcutOverride) {
        // Leave Ctrl and Alt combinations to the window's shortcuts; the
        // ones no shortcut takes still arrive here as key presses.
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            e->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

void BuildListTextEdit::keyPressEvent(QKeyEvent* e)
{
    // A hidden text area still can be its window's focus child; it must not
    // act on a key meant for what stands in its place. An Alt combination
    // types nothing, as in the classic edit control.
    if (!isVisible() || isAltCombinationText(e)) {
        e->ignore();
        return;
    }
    const int key = e->key();
    const bool commandMods = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !commandMods) {
        focusNextPrevChild(key == Qt::Key_Tab && !(e->modifiers() & Qt::ShiftModifier));
        return;
    }
    if (!strict_) {
        // Editing keys edit; text goes in only as far as the filter lets it,
        // however it was typed (AltGr and Ctrl+Alt type characters too).
        if (accepts_ && typesText(e)) {
            const QString allowed = filtered(e->text());
            if (allowed.size() != e->text().size()) {
                if (!allowed.isEmpty())
                    insertPlainText(allowed);
                return;
            }
        }
        QPlainTextEdit::keyPressEvent(e);
        return;
    }

    // A handler consumes the key by setting it to 0; a key without a code
    // (a character the keyboard map lacks) is never taken for consumed.
    bool consumed = false;
    emit keyGoingDown(key, e->modifiers(), &consumed);
    if (consumed && key != 0)
        return;
    if (key == Qt::Key_Delete && e->modifiers() == Qt::NoModifier) {
        editByUser([&] { QPlainTextEdit::keyPressEvent(e); });
        return;
    }
    if (isNavigationKey(key)) {
        QPlainTextEdit::keyPressEvent(e);
        return;
    }
    if (isModifierKey(key))
        return;
    const char16_t ch = characterOf(e);
    if (ch == 0) {
        e->ignore(); // a function key or the like: not the text area's business
        return;
    }
    typeCharacters(QString(QChar(ch)));
}

void BuildListTextEdit::typeCharacters(const QString& chars)
{
    for (const QChar c : chars) {
        const char16_t ch = c.unicode();
        bool refused = false;
        emit characterComing(ch, &refused);
        if (!refused)
            editByUser([&] { insertPlainText(QString(QChar(ch))); });
    }
}

void BuildListTextEdit::keyReleaseEvent(QKeyEvent* e)
{
    if (!isVisible()) {
        e->ignore();
        return;
    }
    QPlainTextEdit::keyReleaseEvent(e);
    if (strict_ && !e->isAutoRepeat())
        emit keyReleased();
}

void BuildListTextEdit::mousePressEvent(QMouseEvent* e)
{
    // A press inside the selection would start a drag of the text, which
    // takes it out of the build list. Here it places the caret instead.
    if (strict_ && e->button() == Qt::LeftButton && textCursor().hasSelection()) {
        const int at = cursorForPosition(e->position().toPoint()).position();
        QTextCursor c = textCursor();
        if (at >= c.selectionStart() && at <= c.selectionEnd()) {
            c.setPosition(at);
            setTextCursor(c);
        }
    }
    QPlainTextEdit::mousePressEvent(e);
}

void BuildListTextEdit::mouseReleaseEvent(QMouseEvent* e)
{
    QPlainTextEdit::mouseReleaseEvent(e);
    emit clicked();
}

void BuildListTextEdit::focusOutEvent(QFocusEvent* e)
{
    QPlainTextEdit::focusOutEvent(e);
    emit focusLeft();
}

void BuildListTextEdit::inputMethodEvent(QInputMethodEvent* e)
{
    // Composed text is held to the same rules as a typed character; the
    // preview of a composition in progress is not shown.
    const QString commit = e->commitString();
    QInputMethodEvent none;
    QPlainTextEdit::inputMethodEvent(&none);
    if (commit.isEmpty())
        return;
    if (strict_)
        typeCharacters(commit);
    else
        insertPlainText(filtered(commit));
}

void BuildListTextEdit::contextMenuEvent(QContextMenuEvent* e)
{
    if (!strict_) {
        QPlainTextEdit::contextMenuEvent(e);
        return;
    }
    std::unique_ptr<QMenu> menu(createMenu());
    menu->exec(e->globalPos());
}

QMenu* BuildListTextEdit::createMenu()
{
    auto* menu = new QMenu(this);
    QAction* copy = menu->addAction(tr("&Copy"), this, &QPlainTextEdit::copy);
    copy->setEnabled(textCursor().hasSelection());
    menu->addAction(tr("Select &All"), this, &QPlainTextEdit::selectAll);
    return menu;
}

bool BuildListTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    if (strict_ && !programPaste_)
        return false;
    return QPlainTextEdit::canInsertFromMimeData(source);
}

void BuildListTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (strict_ && !programPaste_)
        return;
    if (!source || !source->hasText())
        return;
    const QString text = toNewlines(source->text());
    insertPlainText(strict_ ? text : filtered(text));
}

QString BuildListTextEdit::filtered(const QString& text) const
{
    if (!accepts_)
        return text;
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (c == QLatin1Char('\n') || accepts_(c.unicode()))
            out.append(c);
    return out;
}
