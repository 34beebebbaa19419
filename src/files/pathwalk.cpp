#include "files/pathwalk.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kMostLinks = 40; // as the kernel allows

// A folder held for passing through.
UniqueFd enter(int base, const char* name)
{
    return UniqueFd(::openat(base, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// The folder a file lives in, opened for reading where the user may, so
// that it can be flushed and its attributes read; held for passing
// through otherwise.
UniqueFd holdFolder(UniqueFd passing)
{
    UniqueFd readable(::openat(passing.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return readable.valid() ? std::move(readable) : std::move(passing);
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

QList<QByteArray> partsOf(const QByteArray& path)
{
    QList<QByteArray> parts = path.split('/');
    parts.removeAll(QByteArray());
    parts.removeAll(QByteArray("."));
    return parts;
}

} // namespace

QString reasonOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return QCoreApplication::translate("PathWalk", "no such file");
    case EACCES:
    case EPERM: return QCoreApplication::translate("PathWalk", "permission denied");
    case ELOOP: return QCoreApplication::translate("PathWalk", "too many links");
    case ENOSPC: return QCoreApplication::translate("PathWalk", "no space left on the disk");
    case EDQUOT: return QCoreApplication::translate("PathWalk", "over the disk quota");
    case EFBIG: return QCoreApplication::translate("PathWalk", "larger than the file size limit");
    case EROFS: return QCoreApplication::translate("PathWalk", "the disk is read-only");
    case EIO: return QCoreApplication::translate("PathWalk", "input/output error");
    default: return QCoreApplication::translate("PathWalk", "cannot be read or written");
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

// The path is walked one name at a time, as the kernel walks it, so that
// the rule on links holds for every link on the way, not only the last.
Location locate(const QString& path)
{
    Location where;
    auto refuse = [&where](const QString& why) {
        where.whyNot = why;
        return std::move(where);
    };
    auto fail = [&where](int error) {
        where.whyNot = reasonOf(error);
        where.error = error;
        return std::move(where);
    };
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.isEmpty())
        return fail(ENOENT);
    if (bytes.endsWith('/') || bytes.endsWith("/.") || bytes.endsWith("/..") || bytes == "." || bytes == "..")
        return refuse(QCoreApplication::translate("PathWalk", "not a regular file"));
    UniqueFd folder = enter(AT_FDCWD, bytes.startsWith('/') ? "/" : ".");
    QList<QByteArray> rest = partsOf(bytes);
    for (int links = 0; folder.valid() && !rest.isEmpty();) {
        const QByteArray name = rest.takeFirst();
        const bool last = rest.isEmpty();
        struct stat status {};
        if (::fstatat(folder.get(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT || !last)
                return fail(errno);
            where.folder = holdFolder(std::move(folder));
            where.name = name;
            return where;
        }
        if (S_ISLNK(status.st_mode)) {
            if (!mayFollow(folder.get(), status)) {
                where.strangersLink = true;
                return refuse(
                    QCoreApplication::translate("PathWalk", "a link another user owns, in a shared folder"));
            }
            const QByteArray target = linkTarget(folder.get(), name);
            if (++links > kMostLinks || target.isEmpty())
                return fail(ELOOP);
            where.throughLink = true;
            if (target.endsWith('/') && last)
                return refuse(QCoreApplication::translate("PathWalk", "not a regular file"));
            rest = partsOf(target) + rest;
            if (target.startsWith('/'))
                folder = enter(AT_FDCWD, "/");
            continue;
        }
        if (last) {
            where.folder = holdFolder(std::move(folder));
            where.name = name;
            where.exists = true;
            where.status = status;
            return where;
        }
        if (!S_ISDIR(status.st_mode))
            return fail(ENOTDIR);
        folder = enter(folder.get(), name.constData());
    }
    // Only a folder: the root, or a link to one.
    return folder.valid() ? refuse(QCoreApplication::translate("PathWalk", "not a regular file"))
                          : fail(errno);
}
