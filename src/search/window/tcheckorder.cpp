#include "search/window/tcheckorder.h"

#include "app/window/application.h"
#include "app/window/pictures.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "buildlist/ordercheck.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TCheckOrder::TCheckOrder(TForm1& form1, TApplication& app, QWidget* parent)
    : QWidget(parent), form1_(form1), app_(app)
{
    dressProgramWindow(this, QStringLiteral("Check Order"));
    resize(560, 260);

    lstProblems = new QListWidget(this);
    btnCheck = new QPushButton(QStringLiteral("Check"), this);
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCheck);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstProblems, 1);
    layout->addLayout(buttons);

    connect(btnCheck, &QPushButton::clicked, this, app_.guarded(this, &TCheckOrder::btnCheckClick));
    connect(btnClose, &QPushButton::clicked, this, app_.guarded(this, &TCheckOrder::btnCloseClick));
    connect(lstProblems, &QListWidget::itemClicked, this, app_.guarded(this, &TCheckOrder::lstProblemsClick));
}

void TCheckOrder::btnCheckClick()
{
    // The live build list: the list in Lines mode, the text area otherwise.
    const QStringList lines = form1_.liveLines();
    lstProblems->clear();
    rowLines_.clear();
    for (const OrderProblem& problem : checkOrder(form1_.catalog(), lines)) {
        lstProblems->addItem(QStringLiteral("Line %1: %2").arg(problem.line).arg(problem.message));
        rowLines_.append(problem.line);
    }
    if (rowLines_.isEmpty()) {
        lstProblems->addItem(QStringLiteral("Every line stands where the picker would offer it."));
        rowLines_.append(0);
    }
}

void TCheckOrder::lstProblemsClick()
{
    const int row = lstProblems->currentRow();
    if (row < 0 || row >= rowLines_.size() || rowLines_.at(row) == 0)
        return;
    form1_.selectLine(rowLines_.at(row) - 1);
}

void TCheckOrder::btnCloseClick()
{
    hide();
}

void TForm1::mnuCheckOrderClick()
{
    // Each showing checks the list as it stands, the window newly shown or
    // brought to the front.
    checkOrder_->btnCheckClick();
    app_.dialogs().showModeless(checkOrder_);
}

void TForm1::selectLine(int index)
{
    if (!linesMode)
        enterLinesMode();
    selectRowAsClicked(index);
    app_.dialogs().showModeless(this);
}
