#include "files/pathwalk.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kMostLinks = 40; // as the kernel allows

UniqueFd openFolder(int base, const QByteArray& path)
{
    // Read access lets the folder be flushed and its attributes read; a
    // folder that only lets the user in is still held.
    int fd = ::openat(base, path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && errno == EACCES)
        fd = ::openat(base, path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return UniqueFd(fd);
}

bool mayFollow(int folder, const struct stat& link)
{
    struct stat held {};
    if (::fstat(folder, &held) != 0)
        return false;
    const bool shared = (held.st_mode & S_ISVTX) && (held.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == held.st_uid;
}

QByteArray linkTarget(int folder, const QByteArray& name)
{
    QByteArray target(4096, '\0');
    const ssize_t n = ::readlinkat(folder, name.constData(), target.data(), size_t(target.size()));
    if (n < 0 || n >= target.size())
        return QByteArray();
    target.truncate(n);
    return target;
}

} // namespace

QString reasonOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return QStringLiteral("no such file");
    case EACCES:
    case EPERM: return QStringLiteral("permission denied");
    case ELOOP: return QStringLiteral("too many links");
    case ENOSPC: return QStringLiteral("no space left on the disk");
    case EDQUOT: return QStringLiteral("over the disk quota");
    case EFBIG: return QStringLiteral("larger than the file size limit");
    case EROFS: return QStringLiteral("the disk is read-only");
    case EIO: return QStringLiteral("input/output error");
    default: return QStringLiteral("cannot be read or written");
    }
}

QString pathInFolder(int folder, const QByteArray& name)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(folder);
    QByteArray where(4096, '\0');
    const ssize_t n = ::readlink(self.constData(), where.data(), size_t(where.size()));
    where.truncate(n > 0 ? n : 0);
    if (!where.endsWith('/'))
        where += '/';
    return QFile::decodeName(where + name);
}

Location locate(const QString& path)
{
    Location where;
    QByteArray rest = QFile::encodeName(path);
    UniqueFd base; // the folder a relative link is read from; the working folder at first
    for (int links = 0; !rest.isEmpty(); ++links) {
        if (links > kMostLinks) {
            where.whyNot = reasonOf(ELOOP);
            return where;
        }
        const int slash = rest.lastIndexOf('/');
        const QByteArray folderPath = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : rest.left(slash);
        const QByteArray name = rest.mid(slash + 1);
        UniqueFd folder = openFolder(base.valid() ? base.get() : AT_FDCWD, folderPath);
        if (!folder.valid()) {
            where.whyNot = reasonOf(errno);
            return where;
        }
        if (name.isEmpty() || name == "." || name == "..") {
            where.whyNot = QStringLiteral("not a regular file");
            return where;
        }
        struct stat status {};
        if (::fstatat(folder.get(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) {
                where.whyNot = reasonOf(errno);
                return where;
            }
            where.folder = std::move(folder);
            where.name = name;
            return where;
        }
        if (!S_ISLNK(status.st_mode)) {
            where.folder = std::move(folder);
            where.name = name;
            where.exists = true;
            where.status = status;
            return where;
        }
        if (!mayFollow(folder.get(), status)) {
            where.whyNot = QStringLiteral("a link another user owns, in a shared folder");
            where.strangersLink = true;
            return where;
        }
        where.throughLink = true;
        rest = linkTarget(folder.get(), name);
        base = std::move(folder);
    }
    where.whyNot = reasonOf(ENOENT);
    return where;
}
