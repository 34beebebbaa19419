#pragma once

#include <QString>

// What New, Open and Exit say; each text is written here once.
namespace FileMessages {

inline const QString kSureTitle = QStringLiteral("Are you sure?");
inline const QString kNotSavedNew =
    QStringLiteral("Your work is not saved!\nAre you sure you want to START OVER?");
inline const QString kNotSavedOpen =
    QStringLiteral("Your work is not saved!\nAre you sure you want to OPEN A FILE?");
inline const QString kNotSavedQuit =
    QStringLiteral("Your work is not saved! \nAre you sure you want to QUIT?");

inline const QString kReadError = QStringLiteral("Error Reading File!");
// Beneath it: the file, and why, as the command line says it.
inline const QString kReadErrorWhy = QStringLiteral("%1\n\n%2: %3");
inline const QString kReadErrorTitle = QStringLiteral("File Error");
inline const QString kTabs = QStringLiteral(
    "Tab characters in file!\n\nFix this file by hand!\nUse a word processor that displays tab characters.");
inline const QString kTabsTitle = QStringLiteral("Error!");

// Save and Open guarding the file that was read; %1 is its path.
inline const QString kChangedOnDisk =
    QStringLiteral("%1 has changed on disk since it was opened. Overwrite it?");
inline const QString kChangedOnDiskTitle = QStringLiteral("File Changed");
inline const QString kNotTheFileRead =
    QStringLiteral("%1 is no longer the file that was opened: it has been moved, replaced or deleted. "
                   "Nothing was written.\n\nSave the build list under another name?");
inline const QString kTooLarge =
    QStringLiteral("%1 was not saved: the build list would take %2 bytes, more than the 4 MiB that Open "
                   "reads.\n\nShorten it, or split it into two files.");
inline const QString kNoBackup = QStringLiteral("Overwrite %1 without a backup copy?");
inline const QString kNoBackupTitle = QStringLiteral("No Backup Copy");
inline const QString kSavedWithWarning = QStringLiteral("%1 was saved, but %2.");
inline const QString kSavedWithWarningTitle = QStringLiteral("File Saved");
inline const QString kBackupFound =
    QStringLiteral("A save of %1 did not finish. The file as it was before that save is kept in:\n%2");
inline const QString kBackupFoundTitle = QStringLiteral("Unfinished Save");
// The toolkit's write failure, with what the user must know besides.
inline const QString kCannotCreateBecause = QStringLiteral("Cannot create file %1: %2");
inline const QString kCannotCreateKept =
    QStringLiteral("Cannot create file %1; the file as it was is kept in %2");

} // namespace FileMessages
