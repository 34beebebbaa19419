#pragma once

#include "files/uniquefd.h"
#include <QByteArray>
#include <QString>
#include <sys/stat.h>

// How a save ended.
enum class SaveStatus {
    Saved, // perhaps with a warning
    ChangedOnDisk, // another program changed the file since it was read, or while it was saved
    NotTheFileRead, // the name leads to another file, a new link, or nothing
    TooLarge, // more than Open would read back
    NoBackup, // in place, and no copy of the old bytes could be kept anywhere: nothing written
    Failed,
};

struct SaveOptions {
    bool evenIfChanged = false; // the user said to overwrite another program's change
    bool withoutBackup = false; // the user said to rewrite in place with no copy
};

struct SaveOutcome {
    SaveStatus status = SaveStatus::Failed;
    QString why; // in a few words, for Failed and NoBackup
    QString keptBackup; // where the old bytes still are, when they could not be put back
    bool refused = false; // Failed before anything was written, for a reason of the program's
    QString warning; // Saved, but the user must know this
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
// a complete, flushed copy of its old bytes (backupcopy.h), which is removed
// once the new bytes are flushed, or used to put the old ones back. A save
// that dies half-way leaves that copy behind.
//
// `old` is the file the name is expected to hold, or null for a new file,
// which must not exist yet. It is looked at again as late as possible:
// right before the rename, or right before the rewrite. On success
// `written` is the file as written, held open.
SaveOutcome writeKeeping(int folder, const QByteArray& name, const QByteArray& bytes, const struct stat* old,
                         WrittenFile* written, const SaveOptions& options = {});
