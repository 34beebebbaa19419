#include "files/dropfiles.h"

#include <QCoreApplication>
#include <QFileInfo>

DroppedFile droppedFile(const QList<QUrl>& urls)
{
    auto refused = [](const QString& why) { return DroppedFile{QString(), why}; };
    if (urls.size() != 1)
        return refused(QCoreApplication::translate("DroppedFile", "Drop one build list at a time."));
    const QUrl& url = urls.first();
    if (!url.isLocalFile())
        return refused(QCoreApplication::translate("DroppedFile",
                                                   "%1 is not a file on this computer: save it "
                                                   "first, then drop or open the saved file.")
                           .arg(url.toDisplayString()));
    const QString path = url.toLocalFile();
    if (QFileInfo(path).isDir())
        return refused(
            QCoreApplication::translate("DroppedFile", "%1 is a folder, not a build list.").arg(path));
    return {path, QString()};
}
