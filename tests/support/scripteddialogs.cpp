#include "support/scripteddialogs.h"

#include <QDialog>
#include <QTest>
#include <QWidget>

void ScriptedDialogs::expectMessage(MsgResult answer)
{
    answers_.enqueue({Kind::Message, answer, std::nullopt, {}});
}

void ScriptedDialogs::expectOpen(std::optional<QString> path)
{
    answers_.enqueue({Kind::Open, MsgResult::OK, std::move(path), {}});
}

void ScriptedDialogs::expectSave(std::optional<QString> path)
{
    answers_.enqueue({Kind::Save, MsgResult::OK, std::move(path), {}});
}

void ScriptedDialogs::expectModal(std::function<void(QDialog*)> whileShown)
{
    answers_.enqueue({Kind::Modal, MsgResult::OK, std::nullopt, std::move(whileShown)});
}

bool ScriptedDialogs::take(Kind kind, const QString& what, Answer* answer)
{
    if (!answers_.isEmpty() && answers_.head().kind == kind) {
        *answer = answers_.dequeue();
        return true;
    }
    unexpected.append(what);
    QTest::qFail(qPrintable(QStringLiteral("unexpected dialog: ") + what), __FILE__, __LINE__);
    return false;
}

bool ScriptedDialogs::finished(QString* why) const
{
    QString reason;
    if (!unexpected.isEmpty())
        reason = QStringLiteral("unexpected: ") + unexpected.join(QStringLiteral(" | "));
    else if (!answers_.isEmpty())
        reason = QStringLiteral("%1 expected dialog(s) never shown").arg(answers_.size());
    if (why)
        *why = reason;
    return reason.isEmpty();
}

void ScriptedDialogs::reset()
{
    *this = ScriptedDialogs();
}

MsgResult ScriptedDialogs::messageBox(QWidget*, const QString& text, const QString& title, MsgButtons buttons,
                                      MsgIcon icon, MsgResult defaultButton)
{
    const Message m{text, title, buttons, icon, defaultButton};
    messages.append(m);
    Answer answer;
    if (!take(Kind::Message, describe(m), &answer))
        return buttons == MsgButtons::OK ? MsgResult::OK : MsgResult::No;
    if (buttons == MsgButtons::OK)
        return MsgResult::OK;
    return answer.message;
}

std::optional<QString> ScriptedDialogs::openFile(QWidget*, const FileDialogRequest& request)
{
    fileRequests.append({false, request});
    Answer answer;
    if (!take(Kind::Open, QStringLiteral("open dialog"), &answer))
        return std::nullopt;
    return answer.path;
}

std::optional<QString> ScriptedDialogs::saveFile(QWidget*, const FileDialogRequest& request)
{
    fileRequests.append({true, request});
    Answer answer;
    if (!take(Kind::Save, QStringLiteral("save dialog"), &answer))
        return std::nullopt;
    return answer.path;
}

void ScriptedDialogs::execModal(QDialog* dialog)
{
    modals.append(dialog);
    Answer answer;
    if (take(Kind::Modal, QStringLiteral("modal dialog ") + (dialog ? dialog->windowTitle() : QString()),
             &answer)
        && answer.whileShown)
        answer.whileShown(dialog);
}

void ScriptedDialogs::showModeless(QWidget* window)
{
    modeless.append(window);
    if (window)
        window->show();
}

void ScriptedDialogs::playSound(const QString& fileName)
{
    sounds.append(fileName);
}

void ScriptedDialogs::beep()
{
    ++beeps;
}

void ScriptedDialogs::showHelp(const QString& helpFile, int command, int data)
{
    help.append(QStringLiteral("%1 %2 %3").arg(helpFile).arg(command).arg(data));
}

QString describe(const ScriptedDialogs::Message& m)
{
    return QStringLiteral("[%1] %2").arg(m.title, m.text);
}
