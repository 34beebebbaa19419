#include "files/filebytes.h"
#include "model/errors.h"
#include "files/keepingsave.h"

#include <QFile>
#include <filesystem>
#include <system_error>

std::optional<QString> readBuildListFile(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    // Directories, pipes and devices are refused before anything is read,
    // so that a read can never wait forever.
    std::error_code error;
    const std::filesystem::path fsPath(path.toStdString());
    if (!std::filesystem::is_regular_file(fsPath, error) || error)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize
        || bytes.contains('\0'))
        return std::nullopt;
    return QString::fromLatin1(bytes);
}

void writeBuildListFile(const QString& path, const QByteArray& bytes)
{
    if (!saveKeepingTheFile(path, bytes))
        throw FileCreateError(path);
}
