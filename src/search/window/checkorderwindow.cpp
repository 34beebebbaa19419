#include "search/window/checkorderwindow.h"
#include "widgets/objectnames.h"

#include "buildlist/buildlist.h"
#include "buildlist/lineformat.h"
#include "buildlist/ordercheck.h"
#include "widgets/application.h"
#include "widgets/besideowner.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/pictures.h"
#include "widgets/rowfocus.h"
#include "widgets/taborder.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// Changes come in bursts (a keystroke, a paste, a run of moves): the
// check waits this long for the burst to end.
constexpr int kQuietMs = 150;

} // namespace

CheckOrderWindow::CheckOrderWindow(const Catalog& catalog, const BuildList& document, Application& app,
                                   QWidget* owner)
    : QWidget(owner), catalog_(catalog), document_(document), app_(app)
{
    dressProgramWindow(this, tr("Check Order"));
    // A tool window of the main window: it stays above it.
    setWindowFlag(Qt::Tool, true);

    problemList = new QListWidget(this);
    problemList->setUniformItemSizes(true);
    summaryLabel = new QLabel(this);
    summaryLabel->setWordWrap(true);
    checkButton = new QPushButton(tr("&Check"), this);
    closeButton = new QPushButton(tr("C&lose"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(problemList, 1);
    layout->addWidget(summaryLabel);
    layout->addLayout(buttons);
    nameForScreenReaders();
    setObjectNames({{problemList, "lstProblems"},
                    {summaryLabel, "lblSummary"},
                    {checkButton, "btnCheck"},
                    {closeButton, "btnClose"}});
    setTabOrderOf({problemList, checkButton, closeButton});
    placement_ = new BesideOwner(this, QSize(560, 260), QSize(320, 160));
    problemList->installEventFilter(this);

    pending_.setSingleShot(true);
    pending_.setInterval(kQuietMs);
    connect(&pending_, &QTimer::timeout, this, app_.guarded(this, &CheckOrderWindow::checkAgain));
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, app_.guarded(this, &CheckOrderWindow::closeWindow));
    connect(checkButton, &QPushButton::clicked, this, app_.guarded(this, &CheckOrderWindow::checkAgain));
    connect(closeButton, &QPushButton::clicked, this, app_.guarded(this, &CheckOrderWindow::closeWindow));
    connect(problemList, &QListWidget::itemClicked, this,
            app_.guarded(this, &CheckOrderWindow::selectProblemLine));
}

void CheckOrderWindow::checkAgain()
{
    pending_.stop();
    QList<int> lines;
    QStringList texts;
    // Read as Open and --check read it: a line's item is its number, not
    // whatever name was left beside a number typed over.
    QStringList read = document_.lines();
    NormalizeLineNames(catalog_, read);
    for (const OrderProblem& problem : checkOrder(catalog_, read)) {
        lines.append(problem.line);
        texts.append(problem.message);
    }
    // Most changes (a keystroke in a comment, say) leave the problems as
    // they were: the rows and tints stay.
    if (lines == rowLines_ && texts == rowTexts_ && problemList->count() == lines.size() && checkedOnce_)
        return;
    checkedOnce_ = true;
    const int current = problemList->currentRow();
    rowLines_ = lines;
    rowTexts_ = texts;
    QStringList rows;
    rows.reserve(lines.size());
    for (int k = 0; k < lines.size(); ++k)
        rows << tr("Line %1: %2").arg(QString::number(lines.at(k)), texts.at(k));
    // In one batch: a list with thousands of problems fills at once.
    problemList->setUpdatesEnabled(false);
    problemList->clear();
    problemList->addItems(rows);
    // A row stays current, where the user was, so that the keys and a
    // screen reader always have a problem to act on and to name. Qt tells
    // a screen reader that a list's new current row has the focus, even in
    // a window in the background: there it is made current quietly, and
    // told when the list takes the keyboard.
    const QModelIndex row = problemList->model()->index(qBound(0, current, int(rows.size()) - 1), 0);
    if (problemList->hasFocus() && isActiveWindow()) {
        problemList->setCurrentIndex(row);
    } else {
        const QSignalBlocker quiet(problemList->selectionModel());
        problemList->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    }
    problemList->setUpdatesEnabled(true);
    showCount();
    markLines(isVisible());
}

void CheckOrderWindow::showCount()
{
    // The count is part of the list's name, so that a screen reader says
    // it on entering the list and when it changes; "none" is no row.
    const int count = int(rowLines_.size());
    const QString many = count == 0 ? tr("none") : QString::number(count);
    const QString name = tr("Problems: %1").arg(many);
    // A change while the user works in the main window is told there.
    if (isVisible() && problemList->accessibleName() != name)
        emit countChanged(name);
    problemList->setAccessibleName(name);
    summaryLabel->setText(count == 0   ? tr("Every line stands where the picker would offer it.")
                          : count == 1 ? tr("1 problem")
                                       : tr("%1 problems").arg(count));
    problemList->setAccessibleDescription(
        count == 0 ? summaryLabel->text()
                   : tr("Lines the picker would not have offered where they stand; choose one to select it"));
}

void CheckOrderWindow::selectProblemLine()
{
    // Rows that a change has made stale are made current first; the user
    // then chooses among rows that say where the lines are now.
    if (pending_.isActive()) {
        checkAgain();
        return;
    }
    const int row = problemList->currentRow();
    if (row < 0 || row >= rowLines_.size())
        return;
    emit lineChosen(rowLines_.at(row) - 1);
}

void CheckOrderWindow::closeWindow()
{
    hide();
}

void CheckOrderWindow::showBesideOwner()
{
    placement_->place(parentWidget());
    problemList->setFocus(Qt::OtherFocusReason);
    app_.dialogs().showModeless(this);
}

void CheckOrderWindow::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    followChanges(true);
    markLines(true);
}

void CheckOrderWindow::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (e->spontaneous())
        return;
    followChanges(false);
    pending_.stop();
    markLines(false);
}

void CheckOrderWindow::followChanges(bool follow)
{
    for (const QMetaObject::Connection& c : std::as_const(following_))
        disconnect(c);
    following_.clear();
    if (!follow)
        return;
    // Every change of the build list, whichever view it was made in.
    auto later = [this] {
        if (!marking_)
            pending_.start();
    };
    following_ << connect(&document_, &BuildList::linesChanged, this, later)
               << connect(&document_, &BuildList::lineMoved, this, later);
}

void CheckOrderWindow::markLines(bool shown)
{
    QList<int> lines;
    QStringList texts;
    for (int row = 0; shown && row < rowLines_.size(); ++row) {
        lines << rowLines_.at(row) - 1;
        texts << rowTexts_.at(row);
    }
    const QScopedValueRollback marking(marking_, true);
    emit problemLinesMarked(lines, texts);
}

bool CheckOrderWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == problemList && event->type() == QEvent::FocusIn)
        tellCurrentRowOnceFocused(problemList);
    // Enter and Space on a problem do what a click does.
    if (watched == problemList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            app_.guard([this] { selectProblemLine(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CheckOrderWindow::nameForScreenReaders()
{
    showCount();
}
