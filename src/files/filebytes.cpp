#include "files/filebytes.h"
#include "app/toolkiterrors.h"

#include <QFile>
#include <QSaveFile>
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
    if (path.isEmpty())
        throw FileCreateError(path);
    QSaveFile file(path);
    // Unbuffered: a buffered write that fails only when it is flushed
    // inside commit() goes unnoticed, and a cut-off file would replace the
    // old one. Written directly, a short write is seen here, and the
    // temporary file is dropped with the old one untouched.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw FileCreateError(path);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileCreateError(path);
}
