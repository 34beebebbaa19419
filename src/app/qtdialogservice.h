#pragma once

#include "widgets/dialogservice.h"

// The dialog service of the running program: real message boxes, file
// dialogs, sound and help.
class QtDialogService : public DialogService {
public:
    MsgResult messageBox(QWidget* parent, const QString& text, const QString& title, MsgButtons buttons,
                         MsgIcon icon, MsgResult defaultButton) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) override;
    void execModal(QDialog* dialog) override;
    void showModeless(QWidget* window) override;
    void playSound(const QString& fileName) override;
    void beep() override;
    void showHelp(const QString& helpFile, int command, int data) override;
};
