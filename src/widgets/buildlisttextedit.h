#pragma once

#include "buildlist/linesteps.h"

#include <QHash>
#include <QPlainTextEdit>
#include <QStringList>
#include <functional>

class QMenu;

// A multi-line text area whose lines are the document's blocks.
//
// The whole text is the blocks joined by CR LF, so a final empty block is
// what makes the text end with a line break, and the line count leaves that
// block out. Offsets count every line break as two characters. The text
// never holds a lone CR: CR LF, lone CR and lone LF all become one break.
class BuildListTextEdit : public QPlainTextEdit, public LineStore {
    Q_OBJECT
public:
    // Strict keys: every key goes through the key-down and key-press events,
    // editing commands are turned into the control characters they stand for
    // (so the key-press handler can refuse them), text cannot arrive by paste,
    // drop or context menu, nor leave by a drag, and the window's menu
    // shortcuts win over the text area's own. Without it, the text area edits
    // as usual but drops every character its character rule refuses, typed,
    // pasted or dropped.
    explicit BuildListTextEdit(bool strictKeys, QWidget* parent = nullptr);

    // Lines.
    int lineCount() const override;
    QString line(int index) const override; // "" when the line does not exist
    bool lineExists(int index) const; // a block, the final empty one included
    void setLine(int index, const QString& s) override; // caret ends after the new text
    void addLine(const QString& s);
    void insertLine(int index, const QString& s);
    void deleteLine(int index);
    // Lines index to index + count - 1, with their breaks; when they are
    // the last lines, the break before them goes instead.
    void removeLines(int index, int count) override;
    void moveLine(int from, int to) override;
    // Whether a line break follows the last line (an empty text: yes).
    bool endsWithBreak() const override;
    void setEndsWithBreak(bool ends) override;
    QStringList lines() const;
    QList<QStringView> lineViews() const; // valid until the next change
    // Each line followed by CR LF; the last one without it when finalBreak
    // is false.
    void setLines(const QStringList& lines, bool finalBreak = true);
    // The same, but only when the text differs: no change, no change event.
    void replaceLines(const QStringList& lines);
    // Every line in turn, read in place; the views last until the next change.
    template <class F> void forEachLine(F&& visit) const;
    // Every line that contains the text, in order; an empty text, none.
    template <class F> void forEachLineContaining(QStringView text, F&& visit) const;

    // Whole text with CR LF breaks.
    QString text() const;
    QByteArray latin1Text() const; // the same, one byte per character
    // The document's text with U+2029 between the blocks, kept until the
    // next change, so that reading the text twice costs one pass.
    const QString& rawText() const;
    void setText(const QString& text);
    void clearText();
    bool isTextEmpty() const;

    // Offsets in the CR LF text.
    int selStart() const;
    int selLength() const;
    void setSelStart(int offset); // caret with no selection; past the end means the end
    // The length of the caret's line once one character has replaced the
    // selection (lines that the selection spans become one).
    int lengthAfterTyping() const;
    bool selectionSpansLines() const;
    // The length of the caret's line once Delete has taken the selection,
    // or the character after the caret, which at a line's end is its break.
    int lengthAfterDelete() const;
    // The lines (blocks) where the selection starts and ends.
    std::pair<int, int> selectedLines() const;
    void selectAllText();
    void copySelection();
    void pasteAtCaret(); // the program's own paste, which bypasses the key rules
    // Whole lines, each followed by a break, go in above line `index` (at
    // the end when it is past the last), exactly as given.
    void insertLines(int index, const QStringList& lines) override;

    // The context menu of a strict text area: nothing that edits.
    QMenu* createMenu();

    int offsetOf(int documentPosition) const;
    int documentPositionOf(int offset) const;

    // Without strict keys: the characters the text may hold; every other
    // one, typed or pasted, is dropped.
    using CharacterRule = bool (*)(char16_t ch);
    void setCharacterRule(CharacterRule accepts) { accepts_ = accepts; }

signals:
    // In a text area of strict keys, a key (a Qt::Key) goes down; a
    // receiver that takes it sets *consumed, and the text area does
    // nothing more with it.
    void keyGoingDown(int key, Qt::KeyboardModifiers modifiers, bool* consumed);
    // A character is about to be typed; a receiver sets *refused to drop it.
    void characterComing(char16_t ch, bool* refused);
    // Around each change the user makes by typing or Delete.
    void userEditStarting();
    void userEditMade();
    // The text changed, by the user or by the program.
    void changed();
    // A key let go (not one repeated), in a text area of strict keys.
    void keyReleased();
    // A mouse button let go on the text.
    void clicked();
    // The focus went to another control.
    void focusLeft();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool viewportEvent(QEvent* e) override;

public:
    // Lines (from 0) tinted with a note each, shown as the line's tooltip;
    // painted over the lines in view only, so thousands cost no more than
    // one.
    void setMarkedLines(const QHash<int, QString>& notes);
    QString noteOfLine(int line) const { return notes_.value(line); }

    // Moves on with every change of the text: what was read from an
    // earlier version need not be read again.
    quint64 textVersion() const { return version_; }

private:
    QHash<int, QString> notes_;
    quint64 version_ = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void typeCharacters(const QString& chars);
    template <class Change> void editByUser(Change&& change);
    QString filtered(const QString& text) const;
    void insertAtEnd(const QString& text);
    void setRawText(QString raw);

    bool strict_;
    bool programPaste_ = false;
    // The raw text and the edits made since it was read, applied when it is
    // next needed: small edits patch it, anything larger reads it anew.
    struct Edit {
        int position;
        int removed;
        QString added;
    };
    void noteChange(int position, int removed, int added);
    CharacterRule accepts_ = nullptr;
    mutable QString raw_;
    mutable bool rawValid_ = false;
    mutable QVector<Edit> edits_;
};

template <class Change> void BuildListTextEdit::editByUser(Change&& change)
{
    emit userEditStarting();
    change();
    emit userEditMade();
}

template <class F> void BuildListTextEdit::forEachLine(F&& visit) const
{
    const QStringView raw(rawText());
    const qsizetype n = raw.size();
    qsizetype start = 0;
    for (qsizetype at; (at = raw.indexOf(QChar::ParagraphSeparator, start)) >= 0; start = at + 1)
        visit(raw.mid(start, at - start));
    if (start < n) // the last block, when it is not the empty one after a break
        visit(raw.mid(start));
}

template <class F> void BuildListTextEdit::forEachLineContaining(QStringView text, F&& visit) const
{
    if (text.isEmpty())
        return;
    const QStringView raw(rawText());
    qsizetype from = 0;
    for (qsizetype hit; (hit = raw.indexOf(text, from)) >= 0;) {
        const qsizetype start = hit == 0 ? 0 : raw.lastIndexOf(QChar::ParagraphSeparator, hit - 1) + 1;
        qsizetype end = raw.indexOf(QChar::ParagraphSeparator, hit);
        if (end < 0)
            end = raw.size();
        visit(raw.mid(start, end - start));
        from = end + 1;
    }
}

// CR LF, lone CR and lone LF become one line break: '\n', or the break
// given.
QString toNewlines(const QString& text, QChar lineBreak = QLatin1Char('\n'));
