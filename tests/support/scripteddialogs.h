#pragma once

#include "widgets/dialogservice.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

// A dialog service for tests. Every message box and file dialog must be
// expected beforehand with its answer; anything else is recorded as
// unexpected and fails the running test. Nothing ever blocks.
class ScriptedDialogs : public DialogService {
public:
    struct Message {
        QString text, title;
        MsgButtons buttons;
        MsgIcon icon;
        MsgResult defaultButton;
    };
    struct FileRequest {
        bool save;
        FileDialogRequest request;
    };

    // Answers, consumed in order.
    void expectMessage(MsgResult answer = MsgResult::OK);
    void expectOpen(std::optional<QString> path);
    void expectSave(std::optional<QString> path);
    void expectModal(std::function<void(QDialog*)> whileShown = {});

    // What happened.
    QList<Message> messages;
    QList<FileRequest> fileRequests;
    QStringList sounds;
    int beeps = 0;
    QList<QWidget*> modeless;
    QList<QDialog*> modals;
    QStringList help;
    QStringList unexpected;

    // True when every answer was used and nothing unexpected came.
    bool finished(QString* why = nullptr) const;
    void reset();

    MsgResult messageBox(QWidget* parent, const QString& text, const QString& title, MsgButtons buttons,
                         MsgIcon icon, MsgResult defaultButton) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) override;
    void execModal(QDialog* dialog) override;
    void showModeless(QWidget* window) override;
    void playSound(const QString& fileName) override;
    void beep() override;
    void showHelp(const QString& helpFile, int command, int data) override;

private:
    enum class Kind { Message, Open, Save, Modal };
    struct Answer {
        Kind kind;
        MsgResult message = MsgResult::OK;
        std::optional<QString> path;
        std::function<void(QDialog*)> whileShown;
    };
    bool take(Kind kind, const QString& what, Answer* answer);
    QQueue<Answer> answers_;
};

QString describe(const ScriptedDialogs::Message& m);
