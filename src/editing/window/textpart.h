#pragma once

#include "buildlist/buildlist.h"
#include "buildlist/steprecord.h"

#include <QObject>
#include <QWidgetList>
#include <optional>

class Application;
class BuildListTextEdit;
class QLabel;
class QPushButton;
class QWidget;

// Normal mode: the build list as text, under its ruler, with the rules of
// the fixed-width lines for every key; and the Undo button, which takes the
// last appended line away again. The text shows the document and its
// caret, and tells the document what the user typed, once.
class TextPart : public QObject {
    Q_OBJECT
public:
    TextPart(Application& app, BuildList& document, QWidget* client);
    ~TextPart() override;

    // The Undo button, and the text, in Tab order; every control of the
    // part, the ruler included.
    QWidgetList buttonFocusOrder() const;
    QWidgetList viewFocusOrder() const;
    QWidgetList controls() const;
    // Where the text stands, in the window's client area.
    QRect viewArea() const;

    // Whether the Undo button may take the last line away: after an Append
    // in Normal mode, until anything else is done.
    void setUndoAvailable(bool available);
    // The text is shown, and takes the keys, in Normal mode (`lines` false).
    void showForMode(bool lines);
    void hideForMode(bool lines);
    // While a file is read, the text stands aside, widened so that long
    // lines do not wrap; then it takes the keys with the caret at `caret`.
    void beginReading();
    void endReading();
    void editFrom(int caret);
    // Tints the lines (from 0) that have a problem, each with its problem
    // as a tooltip; none to clear them.
    void markProblemLines(const QList<int>& lines, const QStringList& texts);

signals:
    // The caret's column in its line, as last noted; -1 for none.
    void columnShown(int column);
    // The Undo button is taking away a line that trains this many
    // villagers.
    void villagerLineRemoved(int villagers);
    // What an action did, for a screen reader to say at once.
    void announced(const QString& text);

private:
    // The text's width, which reading widens for a while.
    static constexpr int kTextAreaWidth = 513;

    void createControls(QWidget* client);
    void nameForScreenReaders();
    void wireControls();
    void removeLastLine();
    void refuseKey();
    void textAreaClicked();
    void textAreaKeyDown(int key, Qt::KeyboardModifiers modifiers, bool* consumed);
    void textAreaKeyPress(char16_t key, bool* refused);
    void userEditStarting();
    void userEditMade();
    // The text follows each change of the document, but for the user's own
    // typing, which it already shows.
    void showLinesChanged(int row, int removed, int inserted);
    void showLineMoved(int from, int to);
    void showPosition();
    void noteCaret();
    // What the text shows is the document's: the text tells it of a line
    // it changed itself, and ignores the echo.
    void typeLines(int row, int count, const QStringList& lines);

    Application& app_;
    BuildList& document_;
    BuildListTextEdit* textArea = nullptr;
    QLabel* ruler = nullptr;
    QPushButton* removeLastLineButton = nullptr;

    bool shown_ = true;
    bool reading_ = false;
    bool undoAvailable_ = false;
    StepRecord<bool> undoRecord_;
    // The position the text shows: its caret is placed anew once shown.
    bool caretBehind_ = false;
    int columnShown_ = -1;
    // The user's edit under way: its step, and the lines it may change.
    std::optional<BuildList::Change> typing_;
    bool typingIn_ = false;
    int typedFrom_ = 0;
    int typedLines_ = 0;
    int lineCountBefore_ = 0;
};
