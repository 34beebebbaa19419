#pragma once

#include "files/uniquefd.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/stat.h>

// Where a save that rewrites a file in place keeps the old bytes: in a copy
// beside the file, or, where the file's folder takes no new file or keeps
// whatever is put in it, in the user's own backup folder. A copy is written
// whole under a name of its own before it is given its name, so a crash
// leaves either a complete copy or none.
//
// Only our own copies count: a regular file with one name, owned by the
// user who saves (or the file's owner), whose name records the file it
// belongs to. Anything else at such a name is a stranger's and is ignored.

struct BackupCopy {
    UniqueFd folder;
    QByteArray name;
    QString path; // for messages
    struct stat status {}; // the copy as written
};

// The copy's name beside a file: its name and inode. A name too long for
// that is cut and completed by a hash of the whole, under an ending no
// shorter name's copy has, so that two files never share a copy.
QByteArray backupNameBeside(const QByteArray& name, const struct stat& file);

// The copy's name in the user's backup folder: a hash of the file's path,
// and its inode.
QByteArray backupNameForUser(const QString& filePath, const QByteArray& name, const struct stat& file);

// $XDG_STATE_HOME/vexdit/backups, or ~/.local/state/vexdit/backups; empty
// where there is no home to keep it in.
QString userBackupFolder();

// The user's backup folder, made (mode 0700) where `create` asks for it.
// Invalid, with errno, where it is missing, cannot be made or is not the
// user's alone.
UniqueFd openUserBackupFolder(bool create);

// A copy an unfinished save of this file left, beside it or in the user's
// folder: its path, or empty.
QString leftoverBackupOf(int folder, const QByteArray& name, const struct stat& file);

// Removes the copy that leftoverBackupOf() names for this file, where it
// is still there and still ours; false, with errno, where it stays.
bool removeLeftoverBackup(int folder, const QByteArray& name, const struct stat& file);

// A save gave the file a new inode: a leftover copy named after the old one
// takes the new one's name, so that it is still pointed out. Where it cannot
// be renamed it stays as it is.
void carryLeftoverBackup(int folder, const QByteArray& name, const struct stat& old, const struct stat& now);

struct KeptOldBytes {
    std::optional<BackupCopy> copy; // none: whyNot says why
    QString whyNot;
    QString leftover; // our own copy from a save that did not finish is in the way
};

// Writes the old bytes of the file `name` in `folder` to a complete,
// flushed copy: beside it where its folder allows, otherwise in the user's
// folder.
KeptOldBytes keepOldBytes(int folder, const QByteArray& name, const struct stat& file,
                          const QByteArray& bytes);

// Removes the copy once it is no longer needed; false, with errno, where it
// stays.
bool removeBackup(const BackupCopy& copy);
