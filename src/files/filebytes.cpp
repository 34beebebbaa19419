#include "files/filebytes.h"
#include "model/errors.h"
#include "files/keepingsave.h"

#include <QFile>
#include <filesystem>
#include <system_error>

std::optional<QString> readBuildListFile(const QString& path, QString* whyNot)
{
    auto refuse = [whyNot](const char* reason) -> std::optional<QString> {
        if (whyNot)
            *whyNot = QString::fromLatin1(reason);
        return std::nullopt;
    };
    if (path.isEmpty())
        return refuse("no such file");
    // Directories, pipes and devices are refused before anything is read,
    // so that a read can never wait forever.
    std::error_code error;
    const std::filesystem::path fsPath(path.toStdString());
    const std::filesystem::file_status status = std::filesystem::status(fsPath, error);
    if (!std::filesystem::exists(status))
        return refuse("no such file");
    if (error || !std::filesystem::is_regular_file(status))
        return refuse("not a regular file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse("cannot be read");
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse("cannot be read");
    if (bytes.size() > kMaxFileSize)
        return refuse("larger than 4 MiB");
    if (bytes.contains('\0'))
        return refuse("holds a NUL byte");
    return QString::fromLatin1(bytes);
}

void writeBuildListFile(const QString& path, const QByteArray& bytes)
{
    if (!saveKeepingTheFile(path, bytes))
        throw FileCreateError(path);
}
