#include "widgets/filedialogoptions.h"

#include <QFileInfo>

bool FileDialogOptions::execute(DialogService& dialogs, QWidget* parent)
{
    FileDialogRequest request;
    request.filters = filters;
    request.filterIndex = filterIndex;
    request.defaultSuffix = defaultExt.startsWith(QLatin1Char('.')) ? defaultExt.mid(1) : defaultExt;
    request.fileName = fileName;
    request.fileMustExist = fileMustExist;
    request.confirmOverwrite = overwritePrompt;
    const std::optional<QString> chosen =
        save ? dialogs.saveFile(parent, request) : dialogs.openFile(parent, request);
    if (!chosen)
        return false;
    fileName = *chosen;
    return true;
}

bool folderExists(const QString& filePath)
{
    return QFileInfo(QFileInfo(filePath).absolutePath()).isDir();
}
