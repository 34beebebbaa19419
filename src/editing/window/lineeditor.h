#pragma once

#include "buildlist/buildlist.h"
#include "buildlist/editstate.h"
#include "buildlist/window/lineplacer.h"

#include <QObject>
#include <QWidgetList>
#include <optional>

class Application;
class BuildListTextEdit;
class BuildListView;
class DragController;
class FindCommand;
class ItemPicker;
class QLabel;
class QPushButton;
class QPoint;
class QWidget;

// The build list's two views and everything that edits lines in them: the
// text area of Normal mode with its ruler, the list of Lines mode with the
// drag, the moves and the toilet, the mode button and the Undo button that
// takes the last appended line away. Each view follows the document; the
// window around them is what a step of the history restores.
class LineEditor : public QObject, private EditContext, private LinePlacer {
    Q_OBJECT
public:
    LineEditor(Application& app, BuildList& document, QWidget* client);
    ~LineEditor() override;

    // The parts the editor works with: the picker's tally and offers, and
    // Find's start, which a step of the history restores.
    void setPicker(ItemPicker* picker) { picker_ = picker; }
    void setFind(FindCommand* find) { find_ = find; }

    // The text area, read (never changed) by the picker for what the list
    // allows; and where Append puts its line.
    const BuildListTextEdit& textView() const;
    LinePlacer& placer() { return *this; }

    // The controls in Tab order: the buttons, then the two views.
    QWidgetList buttonFocusOrder() const;
    QWidgetList viewFocusOrder() const;
    // A drag over this control of the window shows that nothing drops
    // there (`showsNoDrop`), or is simply refused.
    void addDragSurface(QWidget* control, bool showsNoDrop);
    DragController* dragController() const { return drag_; }

    // The edit mode, and everything that goes with it: which of the text
    // area and the list is shown, the captions, and the focus.
    enum class EditMode { Normal, Lines };
    void enterMode(EditMode mode);
    bool linesMode() const { return linesMode_; }
    void switchMode();
    void editNormal();
    void editLines();

    // --- the window around the build list ---------------------------------
    int insertAt() const { return insertAt_; }
    int currentLine() const { return currentLine_; }
    // Whether the Undo button may take the last appended line away.
    void setUndoAvailable(bool available);
    // The line the caret or a click is on, and the insertion point below it.
    void setCurrentLine(int line);
    void setInsertAt(int index);
    // What a click on a row leaves: the row selected (heard by assistive
    // technology, not by the click handler), the current line, the
    // insertion point below it, Find's start and the caret.
    void selectRowAsClicked(int row);

    // --- the named edits of Lines mode, by drag, key and menu --------------
    // Moves row `from` to land before row `to` (or last, at the count).
    void moveLine(int from, int to);
    // Removes a row, as a drop on the toilet does.
    void removeLine(int row);
    void moveSelectedLine(int rows); // -1 up, +1 down
    void moveSelectedLineUp() { moveSelectedLine(-1); }
    void moveSelectedLineDown() { moveSelectedLine(1); }
    void removeSelectedLine();
    // With no row selected, the list's keyboard cursor still stands on a
    // row, near `row`, so that a screen reader has one to say.
    void keepARowCurrent(int row);
    void rowClicked();
    // A press on the list takes the selected row for a drag, which starts
    // once the pointer moves.
    void startLineDrag(Qt::MouseButton button, const QPoint& pos);
    void takeRowForDrag();
    // The drag's own record: the row taken, and the row it would land
    // before (-1 over the list's border).
    int dragFrom() const { return dragFrom_; }
    int dragTo() const { return dragTo_; }
    void dragOverList(const QPoint& pos, bool& accept);
    void dropOnList(const QPoint& pos);
    void dragOverToilet(const QPoint& pos, bool& accept);
    void dropOnToilet(const QPoint& pos);
    void showLineMenu(const QPoint& globalPos);

    // --- Normal mode's keys and clicks --------------------------------------
    void textAreaClicked();
    // A key going down, and a character about to be typed, in the text
    // area; the rules of the fixed-width lines may take or refuse them.
    void textAreaKeyDown(int key, Qt::KeyboardModifiers shift, bool* consumed);
    void textAreaKeyPress(char16_t key, bool* refused);
    void textAreaKeyUp();
    void textAreaLeft();
    // Around a change the user types or deletes in the text area: the
    // document takes the lines it changed, as one step.
    void userEditStarting();
    void userEditMade();

    // --- history, the last line, and what other parts ask of the views ----
    void undo();
    void redo();
    // The Undo button: takes the last appended line away.
    void removeLastLine();
    // A fresh build list: no insertion point, the Undo button off,
    // Normal mode.
    void startAfresh();
    // An opened file: the text area stands aside while it is read, then
    // takes the keys with the caret at `caret`.
    void beginReading();
    void endReading();
    void editFrom(int caret);
    // Find works on the list of Lines mode, and selects what it found.
    void enterLinesModeToSearch();
    void selectFoundLine(int line);
    void placeInsertionBelowSelection();
    // Create Comment works on the text, from its top.
    void leaveLinesMode();
    void caretToTop();
    // Selects a line in Lines mode, entering it first, as a user's click in
    // the list would; then focusList() gives the list the keys.
    void showLine(int index);
    void focusList();
    // Tints the lines (from 0) that have a problem, in the text and in the
    // list, each with its problem as a tooltip; none to clear them.
    void markProblemLines(const QList<int>& lines, const QStringList& texts);

signals:
    void modeShown(bool lines);
    // The caret's column in its line; -1 for none.
    void columnShown(int column);
    // What an action did, for a screen reader to say at once.
    void announced(const QString& text);

private:
    // The text area's width, which Open widens for a while.
    static constexpr int kTextAreaWidth = 513;

    void createControls(QWidget* client);
    void nameForScreenReaders();
    void wireControls();
    QWidget* window() const;
    void enterLinesMode();
    void enterNormalMode();
    void keepTheListsBreak();
    void refuseKey();
    void dragOverWindow(const QPoint& pos, bool& accept);
    EditState editState() const override;
    void restoreEditState(const EditState& state) override;
    bool insertsAtPoint() const override { return linesMode_; }
    int placeLine(const QString& line) override;
    // The shown view follows each change of the document; the list, while
    // hidden, is brought up to date when it is shown.
    void showLinesChanged(int row, int removed, int inserted);
    void showLineMoved(int from, int to);

    Application& app_;
    BuildList& document_;
    ItemPicker* picker_ = nullptr;
    FindCommand* find_ = nullptr;
    DragController* drag_ = nullptr;

    BuildListTextEdit* textArea = nullptr;
    BuildListView* lineList = nullptr;
    QLabel* ruler = nullptr;
    QLabel* toilet = nullptr;
    QPushButton* removeLastLineButton = nullptr;
    QPushButton* modeButton = nullptr;

    bool linesMode_ = false;
    bool listBehind_ = false;
    // What the column panel and the Undo button show, as facts of the
    // window rather than read back from them.
    int column_ = -1;
    bool undoAvailable_ = false;
    int insertAt_ = -1;
    int currentLine_ = 0;
    // The drag's own record: the row taken and where it would land.
    int dragFrom_ = 0;
    int dragTo_ = 0;
    // The user's edit under way: its step, and the lines it may change.
    std::optional<BuildList::Change> typing_;
    int typedFrom_ = 0;
    int typedLines_ = 0;
    int lineCountBefore_ = 0;
};
