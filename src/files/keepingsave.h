#pragma once

#include "files/uniquefd.h"
#include <QByteArray>
#include <QString>
#include <sys/stat.h>

// How a save ended.
enum class SaveStatus {
    Saved,
    ChangedOnDisk, // another program changed the file since it was read
    NotTheFileRead, // the name leads to another file, a new link, or nothing
    TooLarge, // more than Open would read back
    Failed,
};

struct SaveOutcome {
    SaveStatus status = SaveStatus::Failed;
    QString why; // in a few words, for Failed
    QString keptBackup; // where the old bytes still are, when they could not be put back
    bool refused = false; // Failed before anything was written, for a reason of the program's
    bool saved() const { return status == SaveStatus::Saved; }
};

// A file as it was written, held open: while it is, its device and inode
// cannot pass to another file.
struct WrittenFile {
    UniqueFd held;
    struct stat status {};
};

// Puts new bytes into the file `name` of an open folder and keeps
// everything else the file is: its other names, owner, group, mode with
// set-id bits, access control list and extended attributes.
//
// The usual road writes a new file beside it, flushes it and renames it
// over the old one, so a failed write never touches the old file. Where
// that would lose something, the file is rewritten where it stands, after
// a flushed backup copy under a hidden name beside it (backupNameOf) that
// is removed once the new bytes are flushed, or used to put the old ones
// back. A save that dies half-way leaves that copy behind.
//
// `old` is the file the name is expected to hold (checked again right
// before anything is written), or null for a new file, which must not
// exist yet. On success `written` is the file as written, held open.
SaveOutcome writeKeeping(int folder, const QByteArray& name, const QByteArray& bytes, const struct stat* old,
                         WrittenFile* written);

// The hidden name of the backup copy beside a file.
QByteArray backupNameOf(const QByteArray& name);
