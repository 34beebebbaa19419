#pragma once

#include "model/trtext.h"

// What New, Open and Exit say; each text is written here once.
namespace FileMessages {

inline constexpr TrText kSureTitle{"FileMessages", QT_TRANSLATE_NOOP("FileMessages", "Are you sure?")};
inline constexpr TrText kNotSavedNew{
    "FileMessages",
    QT_TRANSLATE_NOOP("FileMessages", "Your work is not saved!\nAre you sure you want to START OVER?")};
inline constexpr TrText kNotSavedOpen{
    "FileMessages",
    QT_TRANSLATE_NOOP("FileMessages", "Your work is not saved!\nAre you sure you want to OPEN A FILE?")};
inline constexpr TrText kNotSavedQuit{
    "FileMessages",
    QT_TRANSLATE_NOOP("FileMessages", "Your work is not saved! \nAre you sure you want to QUIT?")};

inline constexpr TrText kReadError{"FileMessages", QT_TRANSLATE_NOOP("FileMessages", "Error Reading File!")};
// Beneath it: the file, and why, as the command line says it.
inline constexpr TrText kReadErrorWhy{"FileMessages", QT_TRANSLATE_NOOP("FileMessages", "%1\n\n%2: %3")};
inline constexpr TrText kReadErrorTitle{"FileMessages", QT_TRANSLATE_NOOP("FileMessages", "File Error")};
inline constexpr TrText kTabs{
    "FileMessages",
    QT_TRANSLATE_NOOP("FileMessages", "Tab characters in file!\n\nFix this file by hand!\nUse a word "
                                      "processor that displays tab characters.")};
inline constexpr TrText kTabsTitle{"FileMessages", QT_TRANSLATE_NOOP("FileMessages", "Error!")};

// Save and Open guarding the file that was read; %1 is its path.
inline constexpr TrText kChangedOnDisk{
    "FileMessages",
    QT_TRANSLATE_NOOP("FileMessages", "%1 has changed on disk since it was opened. Overwrite it?")};
inline constexpr TrText kChangedOnDiskTitle{"FileMessages",
                                            QT_TRANSLATE_NOOP("FileMessages", "File Changed")};
inline constexpr TrText kNotTheFileRead{
    "FileMessages",
    QT_TRANSLATE_NOOP("FileMessages",
                      "%1 is no longer the file that was opened: it has been moved, replaced or deleted. "
                      "Nothing was written.\n\nSave the build list under another name?")};
inline constexpr TrText kTooLarge{
    "FileMessages",
    QT_TRANSLATE_NOOP("FileMessages",
                      "%1 was not saved: the build list would take %2 bytes, more than the 4 MiB that Open "
                      "reads.\n\nShorten it, or split it into two files.")};
inline constexpr TrText kNoBackup{"FileMessages",
                                  QT_TRANSLATE_NOOP("FileMessages", "Overwrite %1 without a backup copy?")};
inline constexpr TrText kNoBackupTitle{"FileMessages", QT_TRANSLATE_NOOP("FileMessages", "No Backup Copy")};
inline constexpr TrText kSavedWithWarning{"FileMessages",
                                          QT_TRANSLATE_NOOP("FileMessages", "%1 was saved, but %2.")};
inline constexpr TrText kSavedWithWarningTitle{"FileMessages",
                                               QT_TRANSLATE_NOOP("FileMessages", "File Saved")};
inline constexpr TrText kBackupFound{
    "FileMessages",
    QT_TRANSLATE_NOOP("FileMessages",
                      "A save of %1 did not finish. The file as it was before that save is kept in:\n%2")};
inline constexpr TrText kRemoveBackup{
    "FileMessages", QT_TRANSLATE_NOOP("FileMessages", "\n\nRemove that copy now? Choose No to keep it; Open "
                                                      "points it out while it is there.")};
inline constexpr TrText kBackupNotRemoved{
    "FileMessages", QT_TRANSLATE_NOOP("FileMessages", "The copy %1 could not be removed: %2")};
inline constexpr TrText kBackupFoundTitle{"FileMessages",
                                          QT_TRANSLATE_NOOP("FileMessages", "Unfinished Save")};
inline constexpr TrText kChangedElsewhere{
    "FileMessages",
    QT_TRANSLATE_NOOP("FileMessages",
                      "%1 was changed by another program.\n\nReload it from the disk? Choose No "
                      "to keep this window's version; Save then asks before overwriting.")};
inline constexpr TrText kGoneElsewhere{
    "FileMessages",
    QT_TRANSLATE_NOOP(
        "FileMessages",
        "%1 was moved, removed or replaced by another program.\n\nOpen what now stands under its "
        "name? Choose No to keep this window's version; Save then asks where to write it.")};
inline constexpr TrText kDropRefusedTitle{"FileMessages", QT_TRANSLATE_NOOP("FileMessages", "Not Opened")};
inline constexpr TrText kReloadLosesWork{
    "FileMessages",
    QT_TRANSLATE_NOOP("FileMessages", "Your work is not saved!\nAre you sure you want to RELOAD "
                                      "and lose it?")};
// The toolkit's write failure, with what the user must know besides.
inline constexpr TrText kCannotCreateBecause{"FileMessages",
                                             QT_TRANSLATE_NOOP("FileMessages", "Cannot create file %1: %2")};
inline constexpr TrText kCannotCreateKept{
    "FileMessages",
    QT_TRANSLATE_NOOP("FileMessages", "Cannot create file %1; the file as it was is kept in %2")};

} // namespace FileMessages
