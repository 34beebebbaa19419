#pragma once

#include <QObject>
#include <QWidgetList>

class Application;
class BuildList;
class BuildListView;
class DragController;
class QLabel;
class QPoint;
class QWidget;

// Lines mode: the build list as a list of rows, whose lines move by drag,
// by Alt+Up and Alt+Down or by the row's menu, and go by a drop on the
// toilet. The list shows the document and its selected row; a click on a
// row makes it the current line.
class ListPart : public QObject {
    Q_OBJECT
public:
    ListPart(Application& app, BuildList& document, QWidget* client);
    ~ListPart() override;

    // The list, in Tab order; every control of the part, the toilet
    // included.
    QWidgetList viewFocusOrder() const;
    QWidgetList controls() const;
    // A drag over this control of the window shows that nothing drops
    // there (`showsNoDrop`), or is simply refused.
    void addDragSurface(QWidget* control, bool showsNoDrop);
    // Where the list stands, in the window's client area: in the text's
    // place.
    void setViewArea(const QRect& area);

    // Before the mode changes: the list catches up with the document, its
    // current line selected, or hands its selection over as the current
    // line. Then it is shown and takes the keys in Lines mode (`lines`).
    void prepareForMode(bool lines);
    void showForMode(bool lines);
    void hideForMode(bool lines);
    // While a file is read, the list stands empty in the text's place.
    void standInForText();
    void endStandIn();
    // The list takes the keys, on its selected row.
    void focusList();
    // Tints the rows (from 0) that have a problem, each with its problem as
    // a tooltip; none to clear them.
    void markProblemLines(const QList<int>& lines, const QStringList& texts);

signals:
    // A line was removed from the list.
    void lineRemoved();

private:
    void createControls(QWidget* client);
    void nameForScreenReaders();
    void wireControls();
    void rowClicked();
    void startLineDrag(Qt::MouseButton button, const QPoint& pos);
    void dragOver(QWidget* control, const QPoint& pos);
    void dropOn(QWidget* control);
    void moveLine(int from, int to);
    void removeLine(int row);
    void moveSelectedLine(int rows); // -1 up, +1 down
    void removeSelectedLine();
    void showLineMenu(const QPoint& globalPos);
    // With no row selected, the list's keyboard cursor still stands on a
    // row, near `row`, so that a screen reader has one to say.
    void keepARowCurrent(int row);
    // The list follows the document while it is shown; otherwise it is
    // brought up to date once it is.
    void showLinesChanged(int row, int removed, int inserted);
    void showLineMoved(int from, int to);
    void showPosition();
    // After Undo or Redo: a row stays current, and the text's final break.
    void showTravel();

    Application& app_;
    BuildList& document_;
    BuildListView* lineList = nullptr;
    QLabel* toilet = nullptr;
    DragController* drag_ = nullptr;

    bool shown_ = false;
    bool behind_ = false;
    // The drag's own record: the row taken and where it would land.
    int dragFrom_ = 0;
    int dragTo_ = 0;
};
