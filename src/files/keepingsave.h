#pragma once

#include <QByteArray>
#include <QString>

// Puts new bytes into a file and keeps everything else the file is: its
// other names (hard links), its owner, group and mode, set-id bits included,
// and a symbolic link that leads to it.
//
// The usual road writes a new file beside it and renames that over the old
// one, so a failed write never touches the old file. Where that road would
// lose something (more than one name, an owner, group or mode that cannot
// be given to a new file, a folder that refuses the rename) the file is
// rewritten in place instead, with its old bytes held and put back if the
// write fails. Either way a failure leaves the old file whole.
//
// Returns false on failure.
bool saveKeepingTheFile(const QString& path, const QByteArray& bytes);
