#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <functional>

class QMenu;

// Virtual-key codes the handlers compare against.
namespace vk {
constexpr int Back = 8, Tab = 9, Return = 13, Escape = 27, Prior = 33, Next = 34, End = 35,
              Home = 36, Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46;
}

// A multi-line text area whose lines are the document's blocks.
//
// The whole text is the blocks joined by CR LF, so a final empty block is
// what makes the text end with a line break, and the line count leaves that
// block out. Offsets count every line break as two characters. The text
// never holds a lone CR: CR LF, lone CR and lone LF all become one break.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    // Strict keys: every key goes through the key-down and key-press events,
    // editing commands are turned into the control characters they stand for
    // (so the key-press handler can refuse them), text cannot arrive by paste,
    // drop or context menu, and the window's menu shortcuts win over the
    // text area's own. Without it, the text area edits as usual but drops
    // every character that charFilter refuses, typed or pasted.
    explicit TMemo(bool strictKeys, QWidget* parent = nullptr);

    // Lines.
    int lineCount() const;
    QString line(int index) const;             // "" when the line does not exist
    bool lineExists(int index) const;          // a block, the final empty one included
    void setLine(int index, const QString& s); // caret ends after the new text
    void addLine(const QString& s);
    void insertLine(int index, const QString& s);
    void deleteLine(int index);
    QStringList lines() const;
    void setLines(const QStringList& lines);   // each line followed by CR LF

    // Whole text with CR LF breaks.
    QString text() const;
    void setText(const QString& text);
    void clearText();
    bool isTextEmpty() const;

    // Offsets in the CR LF text.
    int selStart() const;
    int selLength() const;
    void setSelStart(int offset); // caret with no selection; past the end means the end
    void selectAllText();
    void copySelection();
    void pasteAtCaret(); // the program's own paste, which bypasses the key rules

    // The context menu of a strict text area: nothing that edits.
    QMenu* createMenu();

    int offsetOf(int documentPosition) const;
    int documentPositionOf(int offset) const;

    // Events, Delphi style: the handlers are called through the form's guard.
    std::function<void()> onChange;
    std::function<void(int& key, Qt::KeyboardModifiers)> onKeyDown; // set key to 0 to consume
    std::function<void(char16_t& ch)> onKeyPress;                 // set ch to 0 to drop
    std::function<void()> onKeyUp;
    std::function<void()> onClick;
    std::function<bool(char16_t ch)> charFilter; // used without strict keys

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void typeCharacters(const QString& chars);
    QString filtered(const QString& text) const;
    void insertAtEnd(const QString& text);

    bool strict_;
    bool programPaste_ = false;
};

// CR LF, lone CR and lone LF become '\n'.
QString toNewlines(const QString& text);
