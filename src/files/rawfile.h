#pragma once

#include "files/uniquefd.h"

#include <QByteArray>
#include <sys/stat.h>

// The system calls a save is made of, each with its result read.

bool sameFile(const struct stat& a, const struct stat& b);

// Whether the file has changed since `then`: its size, its modification
// time, or its status-change time, which every change of the file or of its
// times moves on and no program can set back.
bool changedSince(const struct stat& now, const struct stat& then);

// The descriptor's path under /proc, and a name in that folder.
QByteArray procPath(int fd, const QByteArray& name = QByteArray());

bool writeAllAt(int fd, const QByteArray& bytes);
bool readWhole(int fd, QByteArray& bytes);

// Written from the start, cut to length and flushed to the disk.
bool putBytes(int fd, const QByteArray& bytes);

// Flushes a folder's entries to the disk. A folder opened only for passing
// through is opened again for reading; one that cannot be counts as done,
// as the system then writes it out in its own time.
bool syncFolder(int folder);

// A file with no name yet in the folder, made with `mode`: on a crash it
// leaves nothing behind. Invalid, with errno, where the file system has no
// such files or the folder takes no new file.
UniqueFd openUnnamed(int folder, mode_t mode);
bool unnamedUnsupported(int error);

// Gives an unnamed file its first name; fails with EEXIST where the name is
// taken, never replacing anything.
bool linkUnnamed(int fd, int folder, const QByteArray& name);

// At most `most` bytes from the start of a name, never half a UTF-8
// character, so that a name made of it still reads as text.
QByteArray leadingBytes(const QByteArray& name, qsizetype most);

// A hidden name beside `name`, ending in `suffix`, with a random part.
QByteArray randomNameBeside(const QByteArray& name, const QByteArray& suffix);

// A hidden name nobody else holds, beside `name`, ending in `suffix`.
UniqueFd createBeside(int folder, const QByteArray& name, const QByteArray& suffix, mode_t mode,
                      QByteArray* made);

// Renames without ever replacing: EEXIST where the name is taken.
bool renameNoReplace(int folder, const QByteArray& from, const QByteArray& to);

// A folder marked append-only or immutable: what is made in it can be
// neither renamed nor removed.
bool folderKeepsEntries(int folder);
