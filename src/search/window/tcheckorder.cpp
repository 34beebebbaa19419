#include "search/window/tcheckorder.h"

#include "app/window/application.h"
#include "app/window/besideowner.h"
#include "app/window/pictures.h"
#include "app/window/taborder.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "buildlist/lineformat.h"
#include "buildlist/ordercheck.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// Changes come in bursts (a keystroke, a paste, a run of moves): the
// check waits this long for the burst to end.
constexpr int kQuietMs = 150;
// How long a window manager takes to settle a click.
constexpr int kSettleMs = 200;

} // namespace

TCheckOrder::TCheckOrder(TForm1& form1, TApplication& app, QWidget* parent)
    : QWidget(parent), form1_(form1), document_(form1.document()), app_(app)
{
    dressProgramWindow(this, tr("Check Order"));
    // A tool window of the main window: it stays above it.
    setWindowFlag(Qt::Tool, true);

    lstProblems = new QListWidget(this);
    lstProblems->setUniformItemSizes(true);
    btnCheck = new QPushButton(tr("&Check"), this);
    btnClose = new QPushButton(tr("C&lose"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCheck);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstProblems, 1);
    layout->addLayout(buttons);
    setTabOrderOf({lstProblems, btnCheck, btnClose});
    placement_ = new BesideOwner(this, QSize(560, 260), QSize(320, 160));
    lstProblems->installEventFilter(this);

    pending_.setSingleShot(true);
    pending_.setInterval(kQuietMs);
    connect(&pending_, &QTimer::timeout, this, app_.guarded(this, &TCheckOrder::btnCheckClick));
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, app_.guarded(this, &TCheckOrder::btnCloseClick));
    connect(btnCheck, &QPushButton::clicked, this, app_.guarded(this, &TCheckOrder::btnCheckClick));
    connect(btnClose, &QPushButton::clicked, this, app_.guarded(this, &TCheckOrder::btnCloseClick));
    connect(lstProblems, &QListWidget::itemClicked, this, app_.guarded(this, &TCheckOrder::lstProblemsClick));
}

void TCheckOrder::btnCheckClick()
{
    pending_.stop();
    QList<int> lines;
    QStringList texts;
    // Read as Open and --check read it: a line's item is its number, not
    // whatever name was left beside a number typed over.
    QStringList read = document_.lines();
    NormalizeLineNames(form1_.catalog(), read);
    for (const OrderProblem& problem : checkOrder(form1_.catalog(), read)) {
        lines.append(problem.line);
        texts.append(problem.message);
    }
    if (lines.isEmpty()) {
        lines.append(0);
        texts.append(tr("Every line stands where the picker would offer it."));
    }
    // Most changes (a keystroke in a comment, say) leave the problems as
    // they were: the rows and tints stay.
    if (lines == rowLines_ && texts == rowTexts_ && lstProblems->count() == lines.size())
        return;
    const int current = lstProblems->currentRow();
    rowLines_ = lines;
    rowTexts_ = texts;
    QStringList rows;
    rows.reserve(lines.size());
    for (int k = 0; k < lines.size(); ++k)
        rows << (lines.at(k) == 0 ? texts.at(k)
                                  : QLatin1String("Line ") + QString::number(lines.at(k))
                                        + QLatin1String(": ") + texts.at(k));
    // In one batch: a list with thousands of problems fills at once.
    lstProblems->setUpdatesEnabled(false);
    lstProblems->clear();
    lstProblems->addItems(rows);
    // A row stays current, where the user was, so that the keys and a
    // screen reader always have a problem to act on and to name.
    lstProblems->setCurrentRow(qBound(0, current, int(rows.size()) - 1));
    lstProblems->setUpdatesEnabled(true);
    markLines(isVisible());
}

void TCheckOrder::lstProblemsClick()
{
    // Rows that a change has made stale are made current first; the user
    // then chooses among rows that say where the lines are now.
    if (pending_.isActive()) {
        btnCheckClick();
        return;
    }
    const int row = lstProblems->currentRow();
    if (row < 0 || row >= rowLines_.size() || rowLines_.at(row) == 0)
        return;
    form1_.selectLine(rowLines_.at(row) - 1);
}

void TCheckOrder::btnCloseClick()
{
    hide();
}

void TCheckOrder::showBesideOwner()
{
    placement_->place(parentWidget());
    lstProblems->setFocus(Qt::OtherFocusReason);
    app_.dialogs().showModeless(this);
}

void TCheckOrder::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    followChanges(true);
    markLines(true);
}

void TCheckOrder::tellCurrentRow()
{
    // The list is heard with the problem it has current, not only as "a
    // list of so many items".
    const int row = lstProblems->currentRow();
    if (!QAccessible::isActive() || row < 0)
        return;
    QAccessibleEvent focus(lstProblems, QAccessible::Focus);
    focus.setChild(row);
    QAccessible::updateAccessibility(&focus);
}

void TCheckOrder::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (e->spontaneous())
        return;
    followChanges(false);
    pending_.stop();
    markLines(false);
}

void TCheckOrder::followChanges(bool follow)
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

void TCheckOrder::markLines(bool shown)
{
    QList<int> lines;
    QStringList texts;
    for (int row = 0; shown && row < rowLines_.size(); ++row) {
        if (rowLines_.at(row) > 0) { // not the row that says all is well
            lines << rowLines_.at(row) - 1;
            texts << rowTexts_.at(row);
        }
    }
    const QScopedValueRollback marking(marking_, true);
    form1_.markProblemLines(lines, texts);
}

bool TCheckOrder::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstProblems && event->type() == QEvent::FocusIn)
        app_.guard([this] { tellCurrentRow(); });
    // Enter and Space on a problem do what a click does.
    if (watched == lstProblems && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            app_.guard([this] { lstProblemsClick(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::markProblemLines(const QList<int>& lines, const QStringList& texts)
{
    // Tinted in the list and in the text, each with its problem as a
    // tooltip.
    QHash<int, QString> notes;
    notes.reserve(lines.size());
    for (int k = 0; k < lines.size(); ++k)
        notes.insert(lines.at(k), texts.at(k));
    ListBox1->setMarkedRows(notes);
    Memo1->setMarkedLines(notes);
}

void TForm1::mnuCheckOrderClick()
{
    // Each showing checks the list as it stands, the window newly shown
    // beside this one or brought to the front.
    checkOrder_->btnCheckClick();
    checkOrder_->showBesideOwner();
}

void TForm1::selectLine(int index)
{
    if (!linesMode)
        enterLinesMode();
    selectRowAsClicked(index);
    // The keyboard goes to the list, on that row, so that the keys of
    // Lines mode act on it; the tool window stays above this one as its
    // own, and never takes the keyboard back by raising itself.
    app_.dialogs().showModeless(this);
    ListBox1->setFocus(Qt::OtherFocusReason);
    // A window manager gives the tool window the keyboard for a click on
    // it, and may take a request made in the same instant for an older one
    // and refuse it. Asked again once the click has settled, it agrees;
    // unless the user has gone on to another window meanwhile.
    QTimer::singleShot(kSettleMs, this, app_.guarded(this, &TForm1::takeKeysBackFromCheckOrder));
}

void TForm1::takeKeysBackFromCheckOrder()
{
    if (!isActiveWindow() && QApplication::activeWindow() == checkOrder_)
        activateWindow();
}
