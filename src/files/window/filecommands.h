#pragma once

#include "files/diskfile.h"
#include "widgets/filedialogoptions.h"

#include <QList>
#include <QObject>
#include <QUrl>
#include <QVector>
#include <optional>

class Application;
class BuildList;
class Catalog;
class QWidget;
struct SaveOutcome;

// New, Open, Save, Save As and the question before leaving: the file the
// build list is read from and written to, and the dialogs that name it.
// It changes the build list itself and tells the window what to show.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(Application& app, BuildList& document, const Catalog& catalog, QWidget* window);

    // The file Save writes to; empty for a new build list.
    const QString& fileName() const { return fileName_; }

    void newList();
    void openFromDialog();
    // Opens a file named outside the window (the command line) as Open
    // does after its dialog; with `fileLine`, the caret goes to the start of
    // the line that came from that line of the file (from 1; the last line
    // when the file has fewer).
    void openNamedFile(const QString& path, int fileLine = 0);
    // Open Recent: asks about unsaved work as Open does, then opens the
    // file as Open does after its dialog.
    void openRecent(const QString& path);
    // Files dropped on the window: one file on this computer opens as Open
    // Recent does; anything else is refused with a message.
    void openDropped(const QList<QUrl>& urls);
    // Text read from standard input, opened as a file would be, as a new
    // list with no name: Save asks for one.
    void openStandardInput(const QString& text);
    void save();
    void saveAs();
    // Looks whether another program changed or removed the open file, and
    // asks once about each such change: reload it (a second question when
    // there is unsaved work) or keep this window's version.
    void noticeChangeOnDisk();
    // Asks about unsaved work and, when the user may go, ends the run;
    // true when it did.
    bool quit();
    // Exit, from the menu or the button.
    void exitProgram() { quit(); }

signals:
    // The file named in the status bar, the one Save writes to.
    void fileShown(const QString& path);
    // A new build list took the old one's place.
    void newListStarted();
    // A file is being read: the text area steps aside until readingEnded.
    void readingStarted();
    void readingEnded();
    // A file was read into the build list, while the text area still
    // stands aside.
    void fileRead();
    // The file is open for editing, the caret to go at this offset.
    void readyToEdit(int caret);
    // What an action did, for a screen reader to say at once.
    void announced(const QString& text);

private:
    class Reading;

    void startNewList();
    void openFile(const QString& path, int fileLine = 0);
    // Shows what was read, as Open does; false when it was refused.
    bool showOpenedText(QString text, Reading& reading, std::optional<DiskFile> file = std::nullopt,
                        int fileLine = 0);
    // Where the caret goes in a file just opened: below its first comments,
    // or at the start of the line that came from a line of the file.
    int caretBelowComments() const;
    static int caretAtFileLine(const QVector<int>& fileLines, int fileLine);
    void showLeftoverBackup(const QString& path, const QString& backup);
    bool mayDiscardWork(const QString& question);
    // The one road that changes the current file: the name Save writes to,
    // the file behind it, and the name the status bar shows. Without
    // `shown`, the status bar still shows the last file opened or saved:
    // an Open or Save As is under way, or failed.
    void setCurrentFile(const QString& path, std::optional<DiskFile> file,
                        const std::optional<QString>& shown = std::nullopt);
    // Writes the text back to the file that was read; false when it was not.
    bool saveToCurrentFile(const QByteArray& bytes);
    // Tells the user why a save did not happen; true when it did.
    bool reportSave(const SaveOutcome& outcome, const QString& path, qsizetype size);

    Application& app_;
    BuildList& document_;
    const Catalog& catalog_;
    QWidget* window_;
    FileDialogOptions openDialog_;
    FileDialogOptions saveDialog_;
    // The current file: the name Save writes to, the file it was read from
    // or last written as, and the name shown. Only setCurrentFile writes
    // them.
    QString fileName_;
    std::optional<DiskFile> diskFile_;
    QString shownFile_;
    // The last change on disk the user was asked about.
    QByteArray askedAbout_;
};
