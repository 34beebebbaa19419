#pragma once

#include "files/keepingsave.h"
#include "files/uniquefd.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/stat.h>

// A build-list file as it was read or last saved: the folder it lives in
// (held open, reached once through the links the user named it by), its
// name there, and its identity, size and time as they were then. Saving
// goes back to exactly this file, never to wherever its path leads now.
struct DiskFile {
    QString path; // as the user named it; messages show it
    UniqueFd folder;
    QByteArray name;
    WrittenFile file; // held open, with its status when read or last written
};

struct ReadOutcome {
    std::optional<QString> text; // nothing: refused, with the reason in whyNot
    QString whyNot;
    int error = 0; // the system's error number behind whyNot, when there is one
    std::optional<DiskFile> file;
    QString leftoverBackup; // our own copy of it that a save which did not finish left
};

// Reads a build list the way Open does, never waiting on a pipe or device:
// a regular file of at most 4 MiB with no NUL byte, one character a byte.
ReadOutcome readBuildList(const QString& path);

// Why a file was refused, as the command line says it: the system's own
// words for a system error, else the program's.
QString reasonFor(const ReadOutcome& read);

// What became of the file since it was read or last saved: nothing; its
// bytes or times changed (another program wrote it); or its name no longer
// holds it (removed, renamed, or another file in its place). `seen` says
// which change it was, so that the same change is told apart from a later
// one.
enum class DiskChange { None, Changed, Gone };
struct DiskChangeSeen {
    DiskChange change = DiskChange::None;
    QByteArray stamp; // the file's identity, size and times, as now found
};
DiskChangeSeen changeOnDisk(const DiskFile& file);

// Whether the path names no file yet, in a folder that is there: the name a
// new build list can be started under.
bool namesNoFileYet(const QString& path);

// Writes the file back, if the name still holds the very file that was
// read and (unless the options say otherwise) no other program has changed
// it since. On success `file` describes the file as written.
SaveOutcome saveOver(DiskFile& file, const QByteArray& bytes, const SaveOptions& options = {});

// Writes to a named file (Save As), creating it or keeping what it is.
// A link that leads nowhere is refused, so is a stranger's link in a
// shared folder. On success `written`, when given, describes the file.
SaveOutcome saveTo(const QString& path, const QByteArray& bytes, std::optional<DiskFile>* written = nullptr,
                   const SaveOptions& options = {});

// What saving to a path would write: the file it leads to, whether it
// exists already, or why it may not be written at all.
struct SaveTarget {
    QString path;
    bool exists = false;
    QString whyNot;
};
SaveTarget saveTargetOf(const QString& path);
