#pragma once

#include "buildlist/linesteps.h"

#include <QHash>
#include <QListWidget>
#include <QStringList>

// A list box whose selections made by the program do not raise its click
// event; the user's selections, by mouse or keyboard, do. Assistive
// technology hears both.
class BuildListView : public QListWidget, public LineStore {
    Q_OBJECT
public:
    explicit BuildListView(QWidget* parent = nullptr);

    int count() const { return QListWidget::count(); }
    QString item(int index) const; // throws ListIndexError when missing
    void addItem(const QString& s);
    void insertItem(int index, const QString& s); // index == count appends
    void deleteItem(int index); // a missing index does nothing
    void clearItems();
    void setItems(const QStringList& items); // one batch; nothing selected afterwards
    // The same result as setItems, reached by keeping the items at the start
    // and at the end that already match and replacing only those between.
    void replaceItems(const QList<QStringView>& lines);
    QStringList items() const;
    QString text() const; // every item followed by CR LF

    // The rows as lines, for the history; the list's text always ends with
    // a line break. A missing row throws ListIndexError.
    int lineCount() const override { return count(); }
    QString line(int row) const override { return item(row); }
    void setLine(int row, const QString& text) override;
    void insertLines(int row, const QStringList& lines) override;
    void removeLines(int row, int rows) override;
    void moveLine(int from, int to) override;
    bool endsWithBreak() const override { return true; }
    void setEndsWithBreak(bool) override {}

    int itemIndex() const; // -1 when nothing is selected
    void setItemIndex(int index); // past the last item: nothing changes; -1 clears

    // The item under a point in the list's own coordinates, with the
    // existing-only option off: the item count below the last item, -1 over
    // the border or the scroll bar.
    int itemAtPos(const QPoint& pos) const;

    Qt::CursorShape dragCursor = Qt::DragMoveCursor;

    // Rows tinted with a note each, shown as the row's tooltip; the rows'
    // own data is left alone, so thousands cost no more than one.
    void setMarkedRows(const QHash<int, QString>& notes);
    QString noteOfRow(int row) const { return notes_.value(row); }

signals:
    // The user selected a row, by mouse or keyboard.
    void clickedByUser();
    // Alt+Up (-1) and Alt+Down (+1): the keys that move the selected row.
    void moveKeyPressed(int rows);
    // A context menu asked for, by the right button (on a row, which is
    // selected first as a click selects it), the Menu key or Shift+F10;
    // at this point of the screen.
    void contextMenuAsked(const QPoint& globalPos);
    // A button pressed on the rows, at this point of the viewport.
    void mousePressed(Qt::MouseButton button, const QPoint& pos);

public:
protected:
    void scrollToCurrentLater();
    void selectQuietly(int index); // -1 clears
    void tellAssistiveTechnology(int row);
    bool viewportEvent(QEvent* e) override;

private:
    QHash<int, QString> notes_;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
};
