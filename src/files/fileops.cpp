// New, Open, Save, Save As and Exit.
#include "app/application.h"
#include "app/classicedit.h"
#include "app/tform1.h"
#include "app/tlistbox.h"
#include "app/tmemo.h"
#include "app/tcombobox.h"
#include "buildlist/lineformat.h"
#include "files/filebytes.h"
#include "files/openroad.h"

#include <QApplication>
#include "app/tedit.h"
#include <QPushButton>

namespace {

constexpr int kMemoWidth = 513;
constexpr int kMemoReadingWidth = 700;

const char* kNotSavedNew = "Your work is not saved!\nAre you sure you want to START OVER?";
const char* kNotSavedOpen = "Your work is not saved!\nAre you sure you want to OPEN A FILE?";
const char* kNotSavedQuit = "Your work is not saved! \nAre you sure you want to QUIT?";

} // namespace

// The unsaved-work question, put only when the marker is set. True when
// the operation may go on.
static bool mayDiscardWork(TForm1& form, const char* question)
{
    if (form.panel(TForm1::PanelMarker) != QLatin1String("*"))
        return true;
    return form.app().dialogs().messageBox(&form, QString::fromLatin1(question),
                                           QStringLiteral("Are you sure?"), MsgButtons::YesNo,
                                           MsgIcon::Question, MsgResult::No)
           == MsgResult::Yes;
}

bool TForm1::runExitGuard()
{
    if (!mayDiscardWork(*this, kNotSavedQuit))
        return false;
    app_.terminate();
    return true;
}

void TForm1::mnuExitClick()
{
    runExitGuard();
}

void TForm1::cmdExitClick()
{
    mnuExitClick();
}

void TForm1::FormCloseQuery(bool& canClose)
{
    canClose = runExitGuard();
}

void TForm1::mnuNewClick()
{
    if (!mayDiscardWork(*this, kNotSavedNew))
        return;
    quietChange = true;
    ListBox1->clearItems();
    Memo1->clearText();
    Memo1->addLine(QString::fromLatin1(kStartingLine));
    ListBox1->addItem(QString::fromLatin1(kStartingLine));
    setPanel(PanelMarker, QString());
    setPanel(PanelFile, QString());
    txtVillagers->setText(QStringLiteral("0"));
    villagerCount = 0;
    insertAt = -1;
    showMode(false);
    Memo1->show();
    ListBox1->hide();
    cmdAdd->setText(QStringLiteral("Append"));
    linesMode = false;
    // Undo must never take a line off a build list it did not add.
    cmdDelete->setEnabled(false);
    quietChange = false;
    giveFocus(cboList);
}

void TForm1::mnuOpenClick()
{
    if (!mayDiscardWork(*this, kNotSavedOpen))
        return;
    if (!dlgOpen.execute(app_.dialogs(), this))
        return;
    openFile(dlgOpen.fileName);
}

void TForm1::openFile(const QString& path)
{
    // Prepare: Normal mode, the empty list standing in for the text area
    // while the file is read and reworked.
    quietChange = true;
    cmdDelete->setEnabled(false);
    ListBox1->clearItems();
    showMode(false);
    cmdAdd->setText(QStringLiteral("Append"));
    linesMode = false;
    ListBox1->show();
    Memo1->hide();
    Memo1->resize(kMemoReadingWidth, Memo1->height());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    fileName = path;

    auto restoreDisplay = [this] {
        Memo1->resize(kMemoWidth, Memo1->height());
        Memo1->show();
        ListBox1->hide();
        QApplication::restoreOverrideCursor();
    };

    const std::optional<QString> text = readBuildListFile(path);
    if (!text) {
        restoreDisplay();
        app_.dialogs().messageBox(this, QStringLiteral("Error Reading File!"),
                                  QStringLiteral("File Error"), MsgButtons::OK,
                                  MsgIcon::Exclamation, MsgResult::OK);
        fileName.clear();
        quietChange = false;
        return;
    }

    const OpenedText opened = prepareOpenedText(*text, catalog_);
    if (opened.hasTab) {
        Memo1->setText(*text); // shown as read, tabs and all
        app_.dialogs().playSound(QStringLiteral("Kick8.wav"));
        restoreDisplay();
        app_.dialogs().messageBox(
            this,
            QStringLiteral("Tab characters in file!\n\nFix this file by hand!\n"
                           "Use a word processor that displays tab characters."),
            QStringLiteral("Error!"), MsgButtons::OK, MsgIcon::Stop, MsgResult::OK);
        quietChange = false;
        return;
    }

    // Width fix-up and names were made on the lines in memory; the text
    // area gets the result once. A break at the end of the file stays there.
    Memo1->setLines(opened.lines, opened.endsWithBreak);

    setPanel(PanelFile, fileName);
    setPanel(PanelMarker, QString());

    // A quantity that does not convert is reported, and Open still ends
    // with the window usable.
    app_.guard([this] { cmdVillCountRefreshClick(); });

    restoreDisplay();

    int caret = kNameColumn;
    for (const QString& line : opened.lines) {
        if (!isCommentLine(line))
            break;
        caret += kLineSlot;
    }
    Memo1->setSelStart(caret);
    Memo1->setFocus();
    Memo1Click();
    quietChange = false;
}

void TForm1::mnuSaveClick()
{
    if (panel(PanelMode) == QLatin1String("Lines"))
        copyListToText();
    // Only ever write to the file the user sees named in the status bar.
    const QString shown = panel(PanelFile);
    if (shown.isEmpty() || fileName.isEmpty() || fileName != shown) {
        mnuSaveAsClick();
        return;
    }
    writeBuildListFile(fileName, Memo1->latin1Text());
    setPanel(PanelMarker, QString());
}

void TForm1::mnuSaveAsClick()
{
    if (!panel(PanelFile).isEmpty())
        dlgSave.fileName = panel(PanelFile);
    if (!dlgSave.execute(app_.dialogs(), this))
        return;
    fileName = dlgSave.fileName;
    if (panel(PanelMode) == QLatin1String("Lines"))
        copyListToText();
    writeBuildListFile(fileName, Memo1->latin1Text());
    setPanel(PanelFile, fileName);
    setPanel(PanelMarker, QString());
}
