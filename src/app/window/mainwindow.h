#pragma once

#include "buildlist/window/lineplacer.h"
#include "catalog/catalog.h"
#include "editing/buildlist.h"
#include "editing/editstate.h"
#include <optional>

#include <QMainWindow>
#include <functional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class DragController;
class FileCommands;
class FindCommand;
class ItemPicker;
class Application;
class CompletingComboBox;
class TextBox;
class FindDialog;
class CheckOrderWindow;
class CountWindow;
class BuildListView;
class BuildListTextEdit;
class StatusPanels;
class UpDownArrows;

// The main window. It wires the controls to their handlers and holds the
// state they share; each handler lives with the subsystem that owns it.
class MainWindow : public QMainWindow, private EditContext, private LinePlacer {
    Q_OBJECT
public:
    explicit MainWindow(Application& app, QWidget* parent = nullptr);

    // The text area's width, which Open widens for a while.
    static constexpr int kTextAreaWidth = 513;
    ~MainWindow() override;

    void setCompanions(CountWindow* countWindow, CheckOrderWindow* checkOrder);
    Application& app() const { return app_; }
    const Catalog& catalog() const { return catalog_; }

    // Status panels. They show state; nothing is read back from them.
    enum class Panel { File = 0, Empty = 1, Mode = 2, Column = 3, Marker = 4 };
    QString panel(Panel which) const;
    void setPanel(Panel which, const QString& text);

    // The build list: its lines, their history and whether they are saved.
    // The text area and the list show it.
    BuildList& document() const { return *document_; }
    // Unsaved work, as the document says; the marker panel shows it.
    bool isModified() const { return document_->isModified(); }

    // The edit mode, and everything that goes with it: linesMode, the mode
    // panel, the captions of appendButton and modeButton, which of the text area and
    // the list is shown, and the focus. It copies nothing.
    enum class EditMode { Normal, Lines };
    void enterMode(EditMode mode);

    // --- window state -------------------------------------------------------
    // Each fact below is written by its setter alone, whichever road sets it.
    int insertAt() const { return insertAt_; }
    int currentLine() const { return currentLine_; }
    // The drag's own record: the row taken and where it would land.
    int dragFrom = 0;
    int dragTo = 0;
    bool linesMode = false;

    // Whether the Undo button may take the last appended line away.
    void setUndoAvailable(bool available);
    // The line the caret or a click is on, and the insertion point below it.
    void setCurrentLine(int line);
    void setInsertAt(int index);
    // What a click on a row leaves: the row selected (heard by assistive
    // technology, not by the click handler), the current line, the
    // insertion point below it, Find's start and the caret.
    void selectRowAsClicked(int row);

    // The build list's lines.
    const QStringList& liveLines() const { return document_->lines(); }

    // The named edits of Lines mode, the same for a drag, a key and a menu.
    // Moves row `from` to land before row `to` (or last, at the count).
    void moveLine(int from, int to);
    // Removes a row, as a drop on the toilet does.
    void removeLine(int row);
    // With no row selected, the list's keyboard cursor still stands on a
    // row, near `row`, so that a screen reader has one to say.
    void keepARowCurrent(int row);

    // --- the history of changes (editing) ---------------------------------
    // The window around the build list, as a step of the history finds it,
    // and put back after Undo or Redo has changed the lines.
    EditState editState() const override;
    void restoreEditState(const EditState& state) override;
    void undo();
    void redo();
    // A change the user types or deletes in the text area; `edit` makes it.
    void takeUserEdit(const std::function<void()>& edit);

    // --- start-up and window events (app) ----------------------------------
    void startAfresh();
    void focusItemBox();

    // The Undo button: takes the last appended line away.
    void removeLastLine();

    // --- files --------------------------------------------------------------
    // Opens a file named outside the window (the command line) as Open does
    // after its dialog.
    void openNamedFile(const QString& path);

    // --- edit modes, drag and drop, keyboard (editing) ---------------------
    void switchMode();
    void editNormal();
    void editLines();
    void rowClicked();
    void startLineDrag(Qt::MouseButton button, const QPoint& pos);
    void dragOverList(const QPoint& pos, bool& accept);
    void dropOnList(const QPoint& pos);
    void dragOverToilet(const QPoint& pos, bool& accept);
    void dropOnToilet(const QPoint& pos);
    // The same moves and removal without dragging: keys and a context menu.
    void moveSelectedLine(int rows); // -1 up, +1 down
    void moveSelectedLineUp() { moveSelectedLine(-1); }
    void moveSelectedLineDown() { moveSelectedLine(1); }
    void removeSelectedLine();
    void showLineMenu(const QPoint& globalPos);
    void dragOverWindow(const QPoint& pos, bool& accept);
    void textAreaClicked();
    void textAreaKeyDown(int& key, Qt::KeyboardModifiers shift);
    void textAreaKeyPress(char16_t& key);
    void textAreaKeyUp();
    void textAreaLeft();

    // --- search and count ---------------------------------------------------
    void showCount();
    void showCheckOrder();
    // Selects a line in Lines mode, entering it first, as a user's click in
    // the list would, and brings the window to the front.
    void selectLine(int index);
    void takeKeysBackFromCheckOrder();
    // Tints the lines (from 0) that have a problem, in the text and in the
    // list, each with its problem as a tooltip; none to clear them.
    void markProblemLines(const QList<int>& lines, const QStringList& texts);

    DragController* dragController() const { return drag_; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // Names and descriptions for every control a screen reader reaches.
    void nameForScreenReaders();
    // --- components, in the window's declaration order ---------------------
    BuildListTextEdit* textArea = nullptr;
    QGroupBox* categoryGroup = nullptr;
    QPushButton* removeLastLineButton = nullptr;
    QPushButton* modeButton = nullptr;
    QMenuBar* mainMenu = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* fileSeparator = nullptr;
    QAction* exitAction = nullptr;
    QMenu* editMenu = nullptr;
    QAction* editNormalAction = nullptr;
    QAction* editLinesAction = nullptr;
    QAction* editSeparator = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* helpAction = nullptr;
    QAction* aboutAction = nullptr;
    BuildListView* lineList = nullptr;
    QLabel* toilet = nullptr;
    StatusPanels* statusPanels = nullptr;
    QPushButton* exitButton = nullptr;
    QAction* newAction = nullptr;
    QMenu* searchMenu = nullptr;
    QAction* findAction = nullptr;
    QAction* countAction = nullptr;
    QAction* checkOrderAction = nullptr;
    QLabel* ruler = nullptr;

    void createControls();
    void createMenu();
    void wireEvents();
    void enterLinesMode();
    void enterNormalMode();
    void refuseKey();
    // The Edit menu's Undo and Redo: enabled, and named, by the history.
    void showHistoryCommands();
    bool insertsAtPoint() const override { return linesMode; }
    int placeLine(const QString& line) override;
    void openFile(const QString& path);

    // The shown view follows each change of the document; the list, while
    // hidden, is brought up to date when it is shown.
    void showLinesChanged(int row, int removed, int inserted);
    void showLineMoved(int from, int to);
    void showModified(bool modified);
    // The window's side of the file commands.
    void wireFileCommands();
    void wireFind();
    void beginReading();
    void endReading();

    Application& app_;
    Catalog catalog_;
    DragController* drag_ = nullptr;
    BuildList* document_ = nullptr;
    bool listBehind_ = false;
    // What the column panel and the Undo button show, as facts of the
    // window rather than read back from them.
    int column_ = -1;
    bool undoAvailable_ = false;
    CountWindow* countWindow_ = nullptr;
    CheckOrderWindow* checkOrder_ = nullptr;
    FileCommands* files_ = nullptr;
    ItemPicker* picker_ = nullptr;
    FindCommand* find_ = nullptr;
    int insertAt_ = -1;
    int currentLine_ = 0;
};
