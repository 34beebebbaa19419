#pragma once

#include "catalog/catalog.h"

#include <QMainWindow>

class Application;
class BuildList;
class CheckOrderWindow;
class CountWindow;
class FileCommands;
class FindCommand;
class ItemPicker;
class ListPart;
class ModeSwitch;
class TextPart;
class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class RecentMenu;
class Announcer;
class StatusPanels;

// The main window: it lays out the parts (the item picker, the text of
// Normal mode, the list of Lines mode and the switch between them), owns
// the menu and the status bar, and wires the parts, the file commands, Find
// and the companion windows to one another. The build list document is its
// own; the parts change it and show it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Application& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The Count and Check Order windows, made after this one.
    void setCompanions(CountWindow* countWindow, CheckOrderWindow* checkOrder);
    const Catalog& catalog() const { return catalog_; }

    // The build list: its lines, their history and whether they are saved.
    BuildList& document() const { return *document_; }
    // Unsaved work, as the document says; the marker panel shows it.
    bool isModified() const;

    // Status panels. They show state; nothing is read back from them.
    enum class Panel { File = 0, Empty = 1, Mode = 2, Column = 3, Marker = 4 };
    QString panel(Panel which) const;

    // Opens a file named outside the window (the command line) as Open does
    // after its dialog.
    void openNamedFile(const QString& path, int fileLine = 0);
    void openStandardInput(const QString& text);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    // A file dragged from a file manager opens; the line drag of Lines mode
    // is the window's own and never comes this way.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void createControls();
    void createMenu();
    void nameForScreenReaders();
    void wireMenu();
    void wireParts();
    void startAfresh();
    void wireModes();
    void setPanel(Panel which, const QString& text);
    // The Edit menu's Undo and Redo: enabled, and named, by the history.
    void showHistoryCommands();
    void showCheckOrder();
    // A problem chosen in Check Order: the line selected in the list, which
    // takes the keys.
    void selectLine(int index);
    void takeKeysBackFromCheckOrder();

    Application& app_;
    Catalog catalog_;
    BuildList* document_ = nullptr;
    TextPart* text_ = nullptr;
    ListPart* list_ = nullptr;
    ModeSwitch* modes_ = nullptr;
    ItemPicker* picker_ = nullptr;
    FileCommands* files_ = nullptr;
    FindCommand* find_ = nullptr;
    CountWindow* countWindow_ = nullptr;
    CheckOrderWindow* checkOrder_ = nullptr;

    QPushButton* exitButton = nullptr;
    StatusPanels* statusPanels = nullptr;
    Announcer* announcer_ = nullptr;
    // Whether the window has been active: a change on disk is looked for
    // each time it becomes active again.
    bool activatedBefore_ = false;
    // The look for a change on disk, a moment after the window is active
    // again: a question that takes the keyboard in the same moment as the
    // window is taken by a screen reader for the window it already has,
    // and goes unheard.
    QTimer* diskCheck_ = nullptr;
    QMenuBar* mainMenu = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QMenu* recentMenu = nullptr;
    RecentMenu* recent_ = nullptr;
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
    QMenu* searchMenu = nullptr;
    QAction* findAction = nullptr;
    QAction* countAction = nullptr;
    QAction* checkOrderAction = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* helpAction = nullptr;
    QAction* aboutAction = nullptr;
};
