// New, Open, Save, Save As and Exit.
#include "app/window/application.h"
#include "app/window/buildlisttextedit.h"
#include "app/window/buildlistview.h"
#include "app/window/classicedit.h"
#include "app/window/completingcombobox.h"
#include "app/window/mainwindow.h"
#include "app/window/textbox.h"
#include "buildlist/lineformat.h"
#include "files/diskfile.h"
#include "files/openroad.h"
#include "files/window/filemessages.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QScopedValueRollback>
#include <functional>

using namespace FileMessages;

namespace {

// The text area is this much wider while a file is read into it, so that
// its long lines are not wrapped.
constexpr int kReadingWidth = 700;

} // namespace

// The unsaved-work question, put only when the marker is set. True when
// the operation may go on.
static bool mayDiscardWork(MainWindow& form, const QString& question)
{
    if (!form.isModified())
        return true;
    return form.app().dialogs().messageBox(&form, question, kSureTitle, MsgButtons::YesNo, MsgIcon::Question,
                                           MsgResult::No)
           == MsgResult::Yes;
}

bool MainWindow::runExitGuard()
{
    if (!mayDiscardWork(*this, kNotSavedQuit))
        return false;
    app_.terminate();
    return true;
}

void MainWindow::exitFromMenu()
{
    runExitGuard();
}

void MainWindow::exitFromButton()
{
    exitFromMenu();
}

void MainWindow::maybeClose(bool& canClose)
{
    canClose = runExitGuard();
}

void MainWindow::newList()
{
    if (!mayDiscardWork(*this, kNotSavedNew))
        return;
    startNewList();
}

void MainWindow::startNewList()
{
    {
        document_->reset({QString::fromLatin1(kStartingLine)});
        showFileName(QString());
        setVillagerCount(0);
        setInsertAt(-1);
        enterMode(EditMode::Normal);
        // Undo must never take a line off a build list it did not add.
        setUndoAvailable(false);
    }
    giveFocus(itemBox);
}

void MainWindow::openFromDialog()
{
    if (!mayDiscardWork(*this, kNotSavedOpen))
        return;
    if (!openDialog.execute(app_.dialogs(), this))
        return;
    openFile(openDialog.fileName);
}

void MainWindow::openNamedFile(const QString& path)
{
    // The dialog hands over a full path, and starts in its folder next time.
    openDialog.fileName = QFileInfo(path).absoluteFilePath();
    if (!namesNoFileYet(openDialog.fileName)) {
        openFile(openDialog.fileName);
        return;
    }
    // A name that holds no file yet starts a new build list under it, as
    // editors do; Save writes it there.
    startNewList();
    setCurrentFile(openDialog.fileName, std::nullopt);
    showFileName(openDialog.fileName);
}

namespace {

// A text's lines as the text area reads them: CR LF, lone CR and lone LF
// each end a line.
struct TextLines {
    QStringList lines;
    bool endsWithBreak = true;
};
TextLines linesOfText(const QString& text)
{
    TextLines result;
    if (text.isEmpty())
        return result;
    result.lines = toNewlines(text).split(QLatin1Char('\n'));
    result.endsWithBreak = result.lines.last().isEmpty();
    if (result.endsWithBreak)
        result.lines.removeLast();
    return result;
}

// While a file is read and reworked, the empty list stands in the text
// area's place, the text area is wider and the cursor is the hourglass.
// Ending it, at the latest when it goes out of scope, puts all back.
class ReadingDisplay {
public:
    ReadingDisplay(BuildListTextEdit* memo, BuildListView* list) : memo_(memo), list_(list)
    {
        list_->show();
        memo_->hide();
        memo_->resize(kReadingWidth, memo_->height());
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~ReadingDisplay() { end(); }
    void end()
    {
        if (!active_)
            return;
        active_ = false;
        memo_->resize(MainWindow::kTextAreaWidth, memo_->height());
        memo_->show();
        list_->hide();
        QApplication::restoreOverrideCursor();
    }

private:
    BuildListTextEdit* memo_;
    BuildListView* list_;
    bool active_ = true;
};

} // namespace

void MainWindow::openFile(const QString& path)
{
    setUndoAvailable(false);
    // The list stands empty in the text area's place while the file is
    // read; it catches up with the document when it is next shown.
    lineList->clearItems();
    listBehind_ = true;
    enterMode(EditMode::Normal);
    ReadingDisplay reading(textArea, lineList);
    setCurrentFile(path, std::nullopt);

    ReadOutcome read = readBuildList(path);
    const std::optional<QString>& text = read.text;
    if (!text) {
        reading.end();
        app_.dialogs().messageBox(this, kReadErrorWhy.arg(kReadError, path, reasonFor(read)), kReadErrorTitle,
                                  MsgButtons::OK, MsgIcon::Exclamation, MsgResult::OK);
        setCurrentFile(QString(), std::nullopt);
        return;
    }
    setCurrentFile(path, std::move(read.file));

    const OpenedText opened = prepareOpenedText(*text, catalog_);
    if (opened.hasTab) {
        // Shown as read, tabs and all.
        const TextLines shown = linesOfText(*text);
        document_->reset(shown.lines, shown.endsWithBreak);
        app_.dialogs().playSound(QStringLiteral("Kick8.wav"));
        reading.end();
        app_.dialogs().messageBox(this, kTabs, kTabsTitle, MsgButtons::OK, MsgIcon::Stop, MsgResult::OK);
        return;
    }

    // Width fix-up and names were made on the lines in memory; the text
    // area gets the result once. A break at the end of the file stays there.
    document_->reset(opened.lines, opened.endsWithBreak);

    showFileName(fileName_);

    // A quantity that does not convert is reported, and Open still ends
    // with the window usable.
    app_.guard([this] { recountVillagers(); });

    reading.end();

    int caret = kNameColumn;
    for (const QString& line : opened.lines) {
        if (!isCommentLine(line))
            break;
        caret += kLineSlot;
    }
    textArea->setSelStart(caret);
    textArea->setFocus();
    textAreaClicked();
    if (!read.leftoverBackup.isEmpty())
        app_.dialogs().messageBox(this, kBackupFound.arg(path, read.leftoverBackup), kBackupFoundTitle,
                                  MsgButtons::OK, MsgIcon::Exclamation, MsgResult::OK);
}

void MainWindow::setCurrentFile(const QString& path, std::optional<DiskFile> file)
{
    fileName_ = path;
    diskFile_ = std::move(file);
}

void MainWindow::showFileName(const QString& path)
{
    shownFile_ = path;
    setPanel(Panel::File, path);
}

namespace {

// Saves, putting the questions a save may raise: overwrite another
// program's change, rewrite in place with no copy of the old bytes. An
// answer No ends it with that status, and nothing written.
SaveOutcome saveAsking(MainWindow& form, const QString& path,
                       const std::function<SaveOutcome(const SaveOptions&)>& attempt)
{
    SaveOptions options;
    for (;;) {
        const SaveOutcome outcome = attempt(options);
        QString question, title;
        if (outcome.status == SaveStatus::ChangedOnDisk) {
            question = kChangedOnDisk.arg(path);
            title = kChangedOnDiskTitle;
            options.evenIfChanged = true;
        } else if (outcome.status == SaveStatus::NoBackup) {
            question = kNoBackup.arg(path);
            title = kNoBackupTitle;
            options.withoutBackup = true;
        } else {
            return outcome;
        }
        if (form.app().dialogs().messageBox(&form, question, title, MsgButtons::YesNo, MsgIcon::Question,
                                            MsgResult::No)
            != MsgResult::Yes)
            return outcome;
    }
}

} // namespace

bool MainWindow::reportSave(const SaveOutcome& outcome, const QString& path, qsizetype size)
{
    switch (outcome.status) {
    case SaveStatus::Saved:
        if (!outcome.warning.isEmpty())
            app_.dialogs().messageBox(this, kSavedWithWarning.arg(path, outcome.warning),
                                      kSavedWithWarningTitle, MsgButtons::OK, MsgIcon::Exclamation,
                                      MsgResult::OK);
        return true;
    case SaveStatus::ChangedOnDisk:
    case SaveStatus::NoBackup: return false; // the user said No
    case SaveStatus::TooLarge:
        app_.dialogs().messageBox(this, kTooLarge.arg(path).arg(size), kReadErrorTitle, MsgButtons::OK,
                                  MsgIcon::Exclamation, MsgResult::OK);
        return false;
    case SaveStatus::NotTheFileRead:
        if (app_.dialogs().messageBox(this, kNotTheFileRead.arg(path), kReadErrorTitle, MsgButtons::YesNo,
                                      MsgIcon::Question, MsgResult::Yes)
            == MsgResult::Yes)
            saveAs();
        return false;
    case SaveStatus::Failed: break;
    }
    if (!outcome.keptBackup.isEmpty())
        throw ToolkitError(kCannotCreateKept.arg(path, outcome.keptBackup));
    if (outcome.refused)
        throw ToolkitError(kCannotCreateBecause.arg(path, outcome.why));
    throw FileCreateError(path);
}

bool MainWindow::saveToCurrentFile(const QByteArray& bytes)
{
    // A file name that no read or save stands behind (set from outside)
    // is written as Save As would.
    const bool named = !diskFile_ || diskFile_->path != fileName_;
    const SaveOutcome outcome = saveAsking(*this, fileName_, [&](const SaveOptions& options) {
        return named ? saveTo(fileName_, bytes, &diskFile_, options) : saveOver(*diskFile_, bytes, options);
    });
    return reportSave(outcome, fileName_, bytes.size());
}

void MainWindow::save()
{
    // Only ever write to the file the user sees named in the status bar.
    if (shownFile_.isEmpty() || fileName_.isEmpty() || fileName_ != shownFile_) {
        saveAs();
        return;
    }
    if (saveToCurrentFile(document_->text().toLatin1()))
        document_->markSaved();
}

void MainWindow::saveAs()
{
    if (!shownFile_.isEmpty())
        saveDialog.fileName = shownFile_;
    if (!saveDialog.execute(app_.dialogs(), this))
        return;
    // Until the file is written, the name stands alone.
    setCurrentFile(saveDialog.fileName, std::nullopt);
    std::optional<DiskFile> written;
    const QByteArray bytes = document_->text().toLatin1();
    const SaveOutcome outcome = saveAsking(*this, fileName_, [&](const SaveOptions& options) {
        return saveTo(fileName_, bytes, &written, options);
    });
    if (!reportSave(outcome, fileName_, bytes.size()))
        return;
    setCurrentFile(fileName_, std::move(written));
    showFileName(fileName_);
    document_->markSaved();
}
