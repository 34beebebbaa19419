#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
class QDialog;

enum class MsgButtons { OK, YesNo };
enum class MsgIcon { Exclamation, Stop, Question };
enum class MsgResult { OK, Yes, No };

// What the open and save dialogs are asked for.
struct FileDialogRequest {
    QStringList filters; // "ai (*.ai)", "All (*.*)"
    int filterIndex = 0; // the entry selected at start
    QString defaultSuffix; // without the dot
    QString fileName; // pre-fills the name field
    bool fileMustExist = false;
    bool confirmOverwrite = false;
};

// Everything that blocks on the user or reaches outside the program goes
// through here, so that tests can script the answers.
class DialogService {
public:
    virtual ~DialogService() = default;

    virtual MsgResult messageBox(QWidget* parent, const QString& text, const QString& title,
                                 MsgButtons buttons, MsgIcon icon, MsgResult defaultButton) = 0;
    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // Shows a dialog modally and returns when it closes.
    virtual void execModal(QDialog* dialog) = 0;
    // Shows a window without blocking, or brings it to the front.
    virtual void showModeless(QWidget* window) = 0;
    // Starts a wave file by name and returns at once; the default beep when
    // the file cannot be found or played.
    virtual void playSound(const QString& fileName) = 0;
    virtual void beep() = 0;
    // Opens the help file's contents without waiting.
    virtual void showHelp(const QString& helpFile, int command, int data) = 0;
};
