#include "search/window/tform2.h"

#include "app/window/application.h"
#include "app/window/pictures.h"
#include "app/window/taborder.h"
#include "app/window/tcombobox.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "files/widthfixup.h"
#include "search/countcomment.h"

#include <QPushButton>
#include <QShortcut>

bool isCommentCharacter(char16_t ch)
{
    const bool control = ch < 32 || (ch >= 127 && ch < 160);
    return !control && ch <= 255;
}

TForm2::TForm2(TForm1& form1, TApplication& app, QWidget* parent) : QWidget(parent), form1_(form1), app_(app)
{
    dressProgramWindow(this, tr("Count"));
    setFixedSize(496, 266);

    cboSrchUnit = new TComboBox(this);
    cboSrchUnit->setGeometry(24, 16, 145, 21);
    btnGo = new QPushButton(tr("Get Count"), this);
    btnGo->setGeometry(192, 16, 65, 25);
    Memo2 = new TMemo(false, this);
    Memo2->setGeometry(24, 56, 441, 145);
    Memo2->charFilter = isCommentCharacter;
    btnClose = new QPushButton(tr("Close"), this);
    btnClose->setGeometry(384, 208, 75, 25);
    btnCopy = new QPushButton(tr("Create Comment"), this);
    btnCopy->setGeometry(104, 216, 105, 25);
    cmdClear = new QPushButton(tr("Clear"), this);
    cmdClear->setGeometry(24, 216, 65, 25);

    setTabOrderOf({cboSrchUnit, btnGo, Memo2, cmdClear, btnCopy, btnClose});

    connect(btnGo, &QPushButton::clicked, this, app_.guarded(this, &TForm2::btnGoClick));
    connect(btnCopy, &QPushButton::clicked, this, app_.guarded(this, &TForm2::btnCopyClick));
    connect(cmdClear, &QPushButton::clicked, this, app_.guarded(this, &TForm2::cmdClearClick));
    connect(btnClose, &QPushButton::clicked, this, app_.guarded(this, &TForm2::btnCloseClick));
    // Escape closes the window as Close does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, app_.guarded(this, &TForm2::btnCloseClick));

    FormCreate();
}

void TForm2::FormCreate()
{
    for (const CatalogEntry& unit : form1_.catalog().units())
        cboSrchUnit->addItem(unit.aiName);
    cboSrchUnit->setCurrentIndex(0);
    Memo2->clearText();
}

void TForm2::btnGoClick()
{
    const QString searched = cboSrchUnit->currentText();
    int sum = 0;
    for (const QString& line : form1_.liveLines())
        countLine(line, searched, sum);
    Memo2->addLine(countComment(searched, sum));
}

void TForm2::btnCopyClick()
{
    if (form1_.linesMode)
        form1_.cmdEditClick();
    // Nothing to insert: the clipboard is left alone and pasted nowhere.
    if (Memo2->isTextEmpty())
        return;
    Memo2->selectAllText();
    Memo2->copySelection();
    // Whole lines go in above the first, each brought to the width Open
    // gives a line, so the list shows what a save and a later open give.
    const BuildList::Change change(form1_.document(), LineStep::Kind::CreateComment);
    const QStringList comments = fixLineWidths(Memo2->lines());
    form1_.Memo1->setSelStart(0);
    form1_.document().insertLines(LineStep::Kind::CreateComment, 0, comments);
}

void TForm2::cmdClearClick()
{
    Memo2->clearText();
}

void TForm2::btnCloseClick()
{
    hide();
}

void TForm1::mnuCountClick()
{
    // Each time it opens, the next unit's name is typed into its box, not
    // into whatever button was last used.
    form2_->cboSrchUnit->setFocus(Qt::OtherFocusReason);
    app_.dialogs().showModeless(form2_);
}
