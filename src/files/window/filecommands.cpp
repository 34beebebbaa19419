#include "files/window/filecommands.h"

#include "buildlist/buildlist.h"
#include "buildlist/lineformat.h"
#include "catalog/catalog.h"
#include "files/backupcopy.h"
#include "files/dropfiles.h"
#include "files/keepingsave.h"
#include "files/openroad.h"
#include "files/pathwalk.h"
#include "files/recentfiles.h"
#include "files/window/filemessages.h"
#include "widgets/application.h"
#include "widgets/buildlisttextedit.h"

#include <QFileInfo>
#include <QWidget>
#include <algorithm>
#include <functional>

using namespace FileMessages;

// The window steps aside while a file is read; ending the reading, at the
// latest when it goes out of scope, puts it back.
class FileCommands::Reading {
public:
    explicit Reading(FileCommands& files) : files_(files) { emit files_.readingStarted(); }
    ~Reading() { end(); }
    void end()
    {
        if (!active_)
            return;
        active_ = false;
        emit files_.readingEnded();
    }

private:
    FileCommands& files_;
    bool active_ = true;
};

FileCommands::FileCommands(Application& app, BuildList& document, const Catalog& catalog, QWidget* window)
    : QObject(window), app_(app), document_(document), catalog_(catalog), window_(window)
{
    setObjectName(QStringLiteral("fileCommands"));
    openDialog_.filters = {tr("ai (*.ai)"), tr("All (*.*)")};
    openDialog_.defaultExt = QStringLiteral(".ai");
    openDialog_.fileMustExist = true;
    saveDialog_ = openDialog_;
    saveDialog_.save = true;
    saveDialog_.fileMustExist = false;
    saveDialog_.overwritePrompt = true;
}

// The unsaved-work question, put only when the marker is set. True when
// the operation may go on.
bool FileCommands::mayDiscardWork(const QString& question)
{
    if (!document_.isModified())
        return true;
    return app_.dialogs().messageBox(window_, question, kSureTitle, MsgButtons::YesNo, MsgIcon::Question,
                                     MsgResult::No)
           == MsgResult::Yes;
}

bool FileCommands::quit()
{
    if (!mayDiscardWork(kNotSavedQuit))
        return false;
    app_.terminate();
    return true;
}

void FileCommands::newList()
{
    if (!mayDiscardWork(kNotSavedNew))
        return;
    startNewList();
}

void FileCommands::startNewList()
{
    document_.reset({QString::fromLatin1(kStartingLine)});
    setCurrentFile(QString(), std::nullopt, QString());
    emit newListStarted();
}

void FileCommands::openFromDialog()
{
    if (!mayDiscardWork(kNotSavedOpen))
        return;
    if (!openDialog_.execute(app_.dialogs(), window_))
        return;
    openFile(openDialog_.fileName);
}

void FileCommands::openRecent(const QString& path)
{
    if (!mayDiscardWork(kNotSavedOpen))
        return;
    openDialog_.fileName = path;
    openFile(path);
}

void FileCommands::openDropped(const QList<QUrl>& urls)
{
    const DroppedFile dropped = droppedFile(urls);
    if (!dropped.whyNot.isEmpty()) {
        app_.dialogs().messageBox(window_, dropped.whyNot, kDropRefusedTitle, MsgButtons::OK,
                                  MsgIcon::Exclamation, MsgResult::OK);
        return;
    }
    openRecent(dropped.path);
}

void FileCommands::openNamedFile(const QString& path, int fileLine)
{
    // The dialog hands over a full path, and starts in its folder next time.
    openDialog_.fileName = QFileInfo(path).absoluteFilePath();
    if (!namesNoFileYet(openDialog_.fileName)) {
        openFile(openDialog_.fileName, fileLine);
        return;
    }
    // A name that holds no file yet starts a new build list under it, as
    // editors do; Save writes it there.
    startNewList();
    setCurrentFile(openDialog_.fileName, std::nullopt, openDialog_.fileName);
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

} // namespace

void FileCommands::openFile(const QString& path, int fileLine)
{
    Reading reading(*this);
    setCurrentFile(path, std::nullopt);

    ReadOutcome read = readBuildList(path);
    if (!read.text) {
        reading.end();
        app_.dialogs().messageBox(window_, kReadErrorWhy.arg(kReadError, path, reasonFor(read)),
                                  kReadErrorTitle, MsgButtons::OK, MsgIcon::Exclamation, MsgResult::OK);
        setCurrentFile(QString(), std::nullopt);
        return;
    }
    QString text = std::move(*read.text);
    read.text.reset();
    if (!showOpenedText(std::move(text), reading, std::move(read.file), fileLine))
        return;
    RecentFiles::add(path);
    showLeftoverBackup(path, read.leftoverBackup);
}

void FileCommands::openStandardInput(const QString& text)
{
    Reading reading(*this);
    setCurrentFile(QString(), std::nullopt, QString());
    if (!showOpenedText(text, reading))
        return;
    // Nothing on disk holds it yet: closing asks, as for any unsaved work.
    document_.markUnsaved();
}

bool FileCommands::showOpenedText(QString text, Reading& reading, std::optional<DiskFile> file, int fileLine)
{
    const OpenedText opened = prepareOpenedText(text, catalog_);
    if (opened.hasTab) {
        // Shown as read, tabs and all, as a step of its own: the work it
        // replaces stays in the history and its marker stays.
        const TextLines shown = linesOfText(text);
        document_.replaceLines(LineStep::Kind::Open, 0, document_.lineCount(), shown.lines,
                               shown.endsWithBreak);
        app_.dialogs().playSound(QStringLiteral("Kick8.wav"));
        reading.end();
        app_.dialogs().messageBox(window_, kTabs, kTabsTitle, MsgButtons::OK, MsgIcon::Stop, MsgResult::OK);
        return false;
    }

    // Width fix-up and names were made on the lines in memory; the text
    // area gets the result once. A break at the end of the file stays there.
    // The text as read is let go first: a long list is not held twice.
    text = QString();
    document_.reset(opened.lines, opened.endsWithBreak);

    setCurrentFile(fileName_, std::move(file), fileName_);
    // A quantity that does not convert is reported, and Open still ends
    // with the window usable.
    app_.guard([this] { emit fileRead(); });
    reading.end();

    emit readyToEdit(fileLine > 0 ? caretAtFileLine(opened.fileLines, fileLine) : caretBelowComments());
    return true;
}

void FileCommands::noticeChangeOnDisk()
{
    // Only the file the window shows as its own, read or written by it.
    if (!diskFile_ || fileName_ != shownFile_)
        return;
    const DiskChangeSeen seen = changeOnDisk(*diskFile_);
    if (seen.change == DiskChange::None || seen.stamp == askedAbout_)
        return;
    askedAbout_ = seen.stamp;
    const QString path = diskFile_->path;
    const TrText& question = seen.change == DiskChange::Changed ? kChangedElsewhere : kGoneElsewhere;
    if (app_.dialogs().messageBox(window_, question.arg(path), kChangedOnDiskTitle, MsgButtons::YesNo,
                                  MsgIcon::Question, MsgResult::No)
        != MsgResult::Yes)
        return;
    if (!mayDiscardWork(kReloadLosesWork))
        return;
    openFile(path);
}

int FileCommands::caretBelowComments() const
{
    int caret = kNameColumn;
    for (const QString& line : document_.lines()) {
        if (!isCommentLine(line))
            break;
        caret += kLineSlot;
    }
    return caret;
}

int FileCommands::caretAtFileLine(const QVector<int>& fileLines, int fileLine)
{
    // The first line that came from that line of the file or a later one.
    const auto at = std::lower_bound(fileLines.begin(), fileLines.end(), fileLine);
    const int row = at == fileLines.end() ? int(fileLines.size()) - 1 : int(at - fileLines.begin());
    return qMax(0, row) * kLineSlot;
}

void FileCommands::showLeftoverBackup(const QString& path, const QString& backup)
{
    if (backup.isEmpty() || !diskFile_)
        return;
    const MsgResult answer =
        app_.dialogs().messageBox(window_, kBackupFound.arg(path, backup) + kRemoveBackup, kBackupFoundTitle,
                                  MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::No);
    if (answer != MsgResult::Yes)
        return;
    // The copy of the file that was opened, found again by its folder.
    if (!removeLeftoverBackup(diskFile_->folder.get(), diskFile_->name, diskFile_->file.status))
        app_.dialogs().messageBox(window_, kBackupNotRemoved.arg(backup, reasonOf(errno)), kBackupFoundTitle,
                                  MsgButtons::OK, MsgIcon::Exclamation, MsgResult::OK);
}

void FileCommands::setCurrentFile(const QString& path, std::optional<DiskFile> file,
                                  const std::optional<QString>& shown)
{
    fileName_ = path;
    diskFile_ = std::move(file);
    if (shown) {
        shownFile_ = *shown;
        emit fileShown(shownFile_);
    }
}

namespace {

// Saves, putting the questions a save may raise: overwrite another
// program's change, rewrite in place with no copy of the old bytes. An
// answer No ends it with that status, and nothing written.
SaveOutcome saveAsking(Application& app, QWidget* window, const QString& path,
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
        if (app.dialogs().messageBox(window, question, title, MsgButtons::YesNo, MsgIcon::Question,
                                     MsgResult::No)
            != MsgResult::Yes)
            return outcome;
    }
}

} // namespace

bool FileCommands::reportSave(const SaveOutcome& outcome, const QString& path, qsizetype size)
{
    switch (outcome.status) {
    case SaveStatus::Saved:
        if (!outcome.warning.isEmpty())
            app_.dialogs().messageBox(window_, kSavedWithWarning.arg(path, outcome.warning),
                                      kSavedWithWarningTitle, MsgButtons::OK, MsgIcon::Exclamation,
                                      MsgResult::OK);
        return true;
    case SaveStatus::ChangedOnDisk:
    case SaveStatus::NoBackup: return false; // the user said No
    case SaveStatus::TooLarge:
        app_.dialogs().messageBox(window_, kTooLarge.arg(path).arg(size), kReadErrorTitle, MsgButtons::OK,
                                  MsgIcon::Exclamation, MsgResult::OK);
        return false;
    case SaveStatus::NotTheFileRead:
        if (app_.dialogs().messageBox(window_, kNotTheFileRead.arg(path), kReadErrorTitle, MsgButtons::YesNo,
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

bool FileCommands::saveToCurrentFile(const QByteArray& bytes)
{
    // A file name that no read or save stands behind (set from outside)
    // is written as Save As would.
    const bool named = !diskFile_ || diskFile_->path != fileName_;
    const SaveOutcome outcome = saveAsking(app_, window_, fileName_, [&](const SaveOptions& options) {
        return named ? saveTo(fileName_, bytes, &diskFile_, options) : saveOver(*diskFile_, bytes, options);
    });
    return reportSave(outcome, fileName_, bytes.size());
}

void FileCommands::save()
{
    // Only ever write to the file the user sees named in the status bar.
    if (shownFile_.isEmpty() || fileName_.isEmpty() || fileName_ != shownFile_) {
        saveAs();
        return;
    }
    // Save asks itself about a change another program made: coming back to
    // the window does not ask about the same change again.
    if (diskFile_) {
        const DiskChangeSeen seen = changeOnDisk(*diskFile_);
        if (seen.change != DiskChange::None)
            askedAbout_ = seen.stamp;
    }
    if (saveToCurrentFile(document_.text().toLatin1())) {
        document_.markSaved();
        RecentFiles::add(fileName_);
        emit announced(tr("Saved %1").arg(QFileInfo(fileName_).fileName()));
    }
}

void FileCommands::saveAs()
{
    if (!shownFile_.isEmpty())
        saveDialog_.fileName = shownFile_;
    if (!saveDialog_.execute(app_.dialogs(), window_))
        return;
    // Until the file is written, the name stands alone.
    setCurrentFile(saveDialog_.fileName, std::nullopt);
    std::optional<DiskFile> written;
    const QByteArray bytes = document_.text().toLatin1();
    const SaveOutcome outcome = saveAsking(app_, window_, fileName_, [&](const SaveOptions& options) {
        return saveTo(fileName_, bytes, &written, options);
    });
    if (!reportSave(outcome, fileName_, bytes.size()))
        return;
    setCurrentFile(fileName_, std::move(written), fileName_);
    document_.markSaved();
    RecentFiles::add(fileName_);
    emit announced(tr("Saved %1").arg(QFileInfo(fileName_).fileName()));
}
