#include "search/window/countwindow.h"

#include "buildlist/buildlist.h"
#include "catalog/catalog.h"
#include "files/widthfixup.h"
#include "search/countcomment.h"
#include "widgets/application.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"
#include "widgets/objectnames.h"
#include "widgets/pictures.h"
#include "widgets/taborder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

bool isCommentCharacter(char16_t ch)
{
    const bool control = ch < 32 || (ch >= 127 && ch < 160);
    return !control && ch <= 255;
}

CountWindow::CountWindow(const Catalog& catalog, BuildList& document, Application& app, QWidget* parent)
    : QWidget(parent), catalog_(catalog), document_(document), app_(app)
{
    dressProgramWindow(this, tr("Count"));
    setFixedSize(496, 266);

    unitBox = new CompletingComboBox(this);
    unitBox->setGeometry(24, 16, 145, 21);
    countButton = new QPushButton(tr("Get Count"), this);
    countButton->setGeometry(192, 16, 65, 25);
    counts = new BuildListTextEdit(false, this);
    counts->setGeometry(24, 56, 441, 145);
    counts->setCharacterRule(isCommentCharacter);
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setGeometry(384, 208, 75, 25);
    copyButton = new QPushButton(tr("Create Comment"), this);
    copyButton->setGeometry(104, 216, 105, 25);
    clearButton = new QPushButton(tr("Clear"), this);
    clearButton->setGeometry(24, 216, 65, 25);

    nameForScreenReaders();
    setObjectNames({{unitBox, "cboSrchUnit"},
                    {countButton, "btnGo"},
                    {counts, "Memo2"},
                    {closeButton, "btnClose"},
                    {copyButton, "btnCopy"},
                    {clearButton, "cmdClear"}});
    setTabOrderOf({unitBox, countButton, counts, clearButton, copyButton, closeButton});

    connect(countButton, &QPushButton::clicked, this, app_.guarded(this, &CountWindow::countUnit));
    connect(copyButton, &QPushButton::clicked, this, app_.guarded(this, &CountWindow::copyToBuildList));
    connect(clearButton, &QPushButton::clicked, this, app_.guarded(this, &CountWindow::clearCounts));
    connect(closeButton, &QPushButton::clicked, this, app_.guarded(this, &CountWindow::closeWindow));
    // Escape closes the window as Close does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, app_.guarded(this, &CountWindow::closeWindow));

    startAfresh();
}

void CountWindow::startAfresh()
{
    for (const CatalogEntry& unit : catalog_.units())
        unitBox->addItem(unit.aiName);
    unitBox->setCurrentIndex(0);
    counts->clearText();
}

void CountWindow::countUnit()
{
    const QString searched = unitBox->currentText();
    int sum = 0;
    for (const QString& line : document_.lines())
        countLine(line, searched, sum);
    counts->addLine(countComment(searched, sum));
}

void CountWindow::copyToBuildList()
{
    emit wantsNormalMode();
    // Nothing to insert: the clipboard is left alone and pasted nowhere.
    if (counts->isTextEmpty())
        return;
    counts->selectAllText();
    counts->copySelection();
    // Whole lines go in above the first, each brought to the width Open
    // gives a line, so the list shows what a save and a later open give.
    const BuildList::Change change(document_, LineStep::Kind::CreateComment);
    const QStringList comments = fixLineWidths(counts->lines());
    emit commentGoingIn();
    document_.insertLines(LineStep::Kind::CreateComment, 0, comments);
}

void CountWindow::clearCounts()
{
    counts->clearText();
}

void CountWindow::closeWindow()
{
    hide();
}

void CountWindow::open()
{
    // Each time it opens, the next unit's name is typed into its box, not
    // into whatever button was last used.
    unitBox->setFocus(Qt::OtherFocusReason);
    app_.dialogs().showModeless(this);
}

void CountWindow::nameForScreenReaders()
{
    unitBox->setAccessibleName(tr("Unit to count"));
    unitBox->setAccessibleDescription(tr("The unit whose lines are counted"));
    unitBox->lineEdit()->setAccessibleName(tr("Unit to count"));
    counts->setAccessibleName(tr("Counts"));
    counts->setAccessibleDescription(tr("Comment lines with the counts, to put at the top"));
}
