#pragma once

#include "widgets/dialogservice.h"

// The settings of an open or save dialog that live between its runs: the
// filter, the default extension, the options and the last file name.
struct FileDialogOptions {
    bool save = false;
    QStringList filters;
    int filterIndex = 0;
    QString defaultExt;
    QString fileName;
    bool fileMustExist = false;
    bool overwritePrompt = false;

    // Runs the dialog; on confirmation fileName holds the chosen full path.
    bool execute(DialogService& dialogs, QWidget* parent);
};

// Whether the folder that would hold this file exists: a save dialog takes
// no name in a folder that is not there.
bool folderExists(const QString& filePath);
