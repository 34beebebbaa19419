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
inline const QString kReadErrorTitle = QStringLiteral("File Error");
inline const QString kTabs = QStringLiteral(
    "Tab characters in file!\n\nFix this file by hand!\nUse a word processor that displays tab characters.");
inline const QString kTabsTitle = QStringLiteral("Error!");

} // namespace FileMessages
