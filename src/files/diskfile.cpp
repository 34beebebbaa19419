#include "files/diskfile.h"
#include "files/backupcopy.h"
#include "files/filebytes.h"
#include "files/pathwalk.h"
#include "files/rawfile.h"
#include "model/trtext.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Translated as they are used, once a translator may be loaded.
constexpr TrText kLeadsNowhere{"DiskFile", QT_TRANSLATE_NOOP("DiskFile", "a link that leads nowhere")};
constexpr TrText kNotRegular{"DiskFile", QT_TRANSLATE_NOOP("DiskFile", "not a regular file")};

// At most one byte more than the limit, so that a larger file is told
// apart without reading it all.
bool readLimited(int fd, QByteArray& bytes)
{
    bytes.resize(kMaxFileSize + 1);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    return true;
}

} // namespace

ReadOutcome readBuildList(const QString& path)
{
    ReadOutcome read;
    auto refuse = [&read](const QString& why, int error = 0) {
        read.whyNot = why;
        read.error = error;
        return std::move(read);
    };
    Location where = locate(path);
    if (!where.whyNot.isEmpty())
        return refuse(where.whyNot, where.error);
    if (!where.exists)
        return where.throughLink ? refuse(kLeadsNowhere) : refuse(reasonOf(ENOENT), ENOENT);
    // Opened without following a link that may have appeared since, and
    // without waiting: a pipe or device put there meanwhile is refused below.
    UniqueFd fd(::openat(where.folder.get(), where.name.constData(),
                         O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid())
        return errno == ELOOP
                   ? refuse(QCoreApplication::translate("DiskFile", "replaced by a link while it was opened"))
                   : refuse(reasonOf(errno), errno);
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return refuse(kNotRegular);
    if (status.st_size > kMaxFileSize)
        return refuse(QCoreApplication::translate("DiskFile", "larger than 4 MiB"));
    QByteArray bytes;
    if (!readLimited(fd.get(), bytes))
        return refuse(QCoreApplication::translate("DiskFile", "cannot be read"));
    if (bytes.size() > kMaxFileSize)
        return refuse(QCoreApplication::translate("DiskFile", "larger than 4 MiB"));
    if (bytes.contains('\0'))
        return refuse(QCoreApplication::translate("DiskFile", "holds a NUL byte"));

    read.text = QString::fromLatin1(bytes);
    read.leftoverBackup = leftoverBackupOf(where.folder.get(), where.name, status);
    read.file = DiskFile{path, std::move(where.folder), where.name, {std::move(fd), status}};
    return read;
}

QString reasonFor(const ReadOutcome& read)
{
    return read.error ? QString::fromLocal8Bit(std::strerror(read.error)) : read.whyNot;
}

DiskChangeSeen changeOnDisk(const DiskFile& file)
{
    struct stat now {};
    if (::fstatat(file.folder.get(), file.name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0)
        return {DiskChange::Gone, QByteArrayLiteral("gone")};
    const QByteArray stamp =
        QByteArray::number(quint64(now.st_dev)) + ':' + QByteArray::number(quint64(now.st_ino)) + ':'
        + QByteArray::number(qint64(now.st_size)) + ':' + QByteArray::number(qint64(now.st_mtim.tv_sec)) + '.'
        + QByteArray::number(qint64(now.st_mtim.tv_nsec)) + ':'
        + QByteArray::number(qint64(now.st_ctim.tv_sec)) + '.'
        + QByteArray::number(qint64(now.st_ctim.tv_nsec));
    if (!S_ISREG(now.st_mode) || !sameFile(now, file.file.status))
        return {DiskChange::Gone, stamp};
    if (changedSince(now, file.file.status))
        return {DiskChange::Changed, stamp};
    return {DiskChange::None, stamp};
}

bool namesNoFileYet(const QString& path)
{
    const Location where = locate(path);
    return where.whyNot.isEmpty() && !where.exists && !where.throughLink;
}

SaveOutcome saveOver(DiskFile& file, const QByteArray& bytes, const SaveOptions& options)
{
    if (bytes.size() > kMaxFileSize)
        return {SaveStatus::TooLarge, {}, {}, false, {}};
    struct stat now {};
    if (::fstatat(file.folder.get(), file.name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0
        || !S_ISREG(now.st_mode) || !sameFile(now, file.file.status))
        return {SaveStatus::NotTheFileRead, {}, {}, false, {}};
    if (!options.evenIfChanged && changedSince(now, file.file.status))
        return {SaveStatus::ChangedOnDisk, {}, {}, false, {}};
    WrittenFile after;
    const SaveOutcome outcome = writeKeeping(file.folder.get(), file.name, bytes, &now, &after, options);
    if (outcome.saved())
        file.file = std::move(after);
    return outcome;
}

SaveOutcome saveTo(const QString& path, const QByteArray& bytes, std::optional<DiskFile>* written,
                   const SaveOptions& options)
{
    if (bytes.size() > kMaxFileSize)
        return {SaveStatus::TooLarge, {}, {}, false, {}};
    Location where = locate(path);
    if (!where.whyNot.isEmpty())
        return {SaveStatus::Failed, where.whyNot, {}, where.strangersLink, {}};
    if (!where.exists && where.throughLink)
        return {SaveStatus::Failed, kLeadsNowhere, {}, true, {}};
    if (where.exists && !S_ISREG(where.status.st_mode))
        return {SaveStatus::Failed, kNotRegular, {}, false, {}};
    WrittenFile after;
    const SaveOutcome outcome = writeKeeping(where.folder.get(), where.name, bytes,
                                             where.exists ? &where.status : nullptr, &after, options);
    if (outcome.saved() && written)
        *written = DiskFile{path, std::move(where.folder), where.name, std::move(after)};
    return outcome;
}

SaveTarget saveTargetOf(const QString& path)
{
    const Location where = locate(path);
    if (!where.whyNot.isEmpty())
        return {path, false, where.whyNot};
    if (!where.exists && where.throughLink)
        return {path, false, kLeadsNowhere};
    if (where.exists && !S_ISREG(where.status.st_mode))
        return {path, true, kNotRegular};
    return {where.throughLink ? pathInFolder(where.folder.get(), where.name) : path, where.exists, {}};
}
