#pragma once

#include "widgets/dialogservice.h"

// Answers every dialog at once, as a user who always agrees would: Yes,
// OK, and the file names set beforehand.
class AutoDialogs : public DialogService {
public:
    QString openPath;
    QString savePath;
    MsgResult answer = MsgResult::No;
    int messages = 0;

    MsgResult messageBox(QWidget*, const QString&, const QString&, MsgButtons buttons, MsgIcon,
                         MsgResult) override
    {
        ++messages;
        return buttons == MsgButtons::OK ? MsgResult::OK : answer;
    }
    std::optional<QString> openFile(QWidget*, const FileDialogRequest&) override { return openPath; }
    std::optional<QString> saveFile(QWidget*, const FileDialogRequest&) override { return savePath; }
    void execModal(QDialog*) override {}
    void showModeless(QWidget*) override {}
    void playSound(const QString&) override {}
    void beep() override {}
    void showHelp(const QString&, int, int) override {}
};
