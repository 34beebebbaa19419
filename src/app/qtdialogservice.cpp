#include "app/qtdialogservice.h"
#include "about/window/helpviewer.h"
#include "files/diskfile.h"
#include "widgets/filedialogoptions.h"
#include "widgets/programfiles.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>

namespace {

// Qt's file dialog, holding the name typed into a save dialog to the rule
// that its folder must exist: otherwise it says so and stays open, rather
// than closing on a file that can never be created. Before it replaces a
// file it asks, naming the file that would be written: the one a link
// leads to, not the link.
class FileDialog : public QFileDialog {
    Q_DECLARE_TR_FUNCTIONS(FileDialog)

public:
    using QFileDialog::QFileDialog;
    bool confirmOverwrite = false;

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (acceptMode() == AcceptSave && !files.isEmpty() && !QFileInfo(files.first()).isDir()
            && !mayWrite(QFileInfo(files.first()).absoluteFilePath()))
            return;
        QFileDialog::accept();
    }

private:
    bool mayWrite(const QString& chosen)
    {
        if (!folderExists(chosen)) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1\nPath does not exist.\nPlease verify the correct path "
                                    "was given.")
                                     .arg(QDir::toNativeSeparators(QFileInfo(chosen).absolutePath())));
            return false;
        }
        if (!confirmOverwrite)
            return true;
        const SaveTarget target = saveTargetOf(chosen);
        if (!target.whyNot.isEmpty()) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1 cannot be written: %2.").arg(chosen, target.whyNot));
            return false;
        }
        return !target.exists
               || QMessageBox::question(this, windowTitle(),
                                        tr("%1 already exists.\nDo you want to replace it?")
                                            .arg(QDir::toNativeSeparators(target.path)),
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                      == QMessageBox::Yes;
    }
};

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogRequest& request, bool save)
{
    FileDialog dialog(parent);
    // Qt's own dialog everywhere, so that the rules above hold on every
    // desktop and the dialog is the same one the tests drive.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    if (request.filterIndex >= 0 && request.filterIndex < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.filterIndex));
    dialog.setDefaultSuffix(request.defaultSuffix);
    // The dialog's own question would name a link rather than its file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.confirmOverwrite = request.confirmOverwrite;
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
}

} // namespace

MsgResult QtDialogService::messageBox(QWidget* parent, const QString& text, const QString& title,
                                      MsgButtons buttons, MsgIcon icon, MsgResult defaultButton)
{
    QMessageBox box(parent);
    box.setText(text);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (buttons == MsgButtons::OK) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return MsgResult::OK;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultButton == MsgResult::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
}

std::optional<QString> QtDialogService::openFile(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, false);
}

std::optional<QString> QtDialogService::saveFile(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, true);
}

void QtDialogService::execModal(QDialog* dialog)
{
    if (dialog)
        dialog->exec();
}

void QtDialogService::showModeless(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

void QtDialogService::playSound(const QString& fileName)
{
    const QString path = findBesideProgram(fileName);
    if (path.isEmpty()) {
        beep();
        return;
    }
    // The player module sits beside the program (or, installed, in its own
    // folder under lib) and is loaded on first use; it plays in the
    // background while the caller goes on.
    using PlayWave = void (*)(const QString&);
    static PlayWave play = [] {
        for (const QString& folder :
             {QCoreApplication::applicationDirPath(), installedFolder(VEXDIT_MODULES_FROM_PROGRAM)}) {
            QLibrary module(folder + QStringLiteral("/vexdit_sound"));
            if (const auto found = reinterpret_cast<PlayWave>(module.resolve("vexditPlayWave"))) {
                qCDebug(programFilesLog, "sound player: %s", qPrintable(module.fileName()));
                return found;
            }
        }
        qCDebug(programFilesLog, "sound player: not found");
        return PlayWave(nullptr);
    }();
    if (play)
        play(path);
    else
        beep();
}

void QtDialogService::beep()
{
    QApplication::beep();
}

void QtDialogService::showHelp(const QString& helpFile, int, int)
{
    showHelpContents(helpFile);
}
