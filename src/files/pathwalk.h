#pragma once

#include "files/uniquefd.h"

#include <QByteArray>
#include <QString>
#include <sys/stat.h>

// Where a path leads once its symbolic links are followed: the folder the
// file lives in, held open, and the file's name in it. Everything done to
// the file afterwards goes through the folder, so a later change of the
// path's links cannot send it elsewhere.
//
// A link in a sticky folder that everyone may write is followed only when
// it belongs to the user or to the folder's owner: in a shared folder
// anyone could have put it there, pointing at any file the user can write.
struct Location {
    UniqueFd folder;
    QByteArray name;
    bool exists = false;
    struct stat status {}; // what the name holds, when it exists
    bool throughLink = false; // a link was followed to get here
    QString whyNot; // set: not followed, or not a place for a file
    int error = 0; // the system's error number behind whyNot, when there is one
    bool strangersLink = false; // refused for the shared-folder rule
};

Location locate(const QString& path);

// A path for messages: the folder as the system knows it now, and a name.
QString pathInFolder(int folder, const QByteArray& name);

// Reasons in a few words, as the command line shows them.
QString reasonOf(int error);
