#include "files/rawfile.h"

#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool changedSince(const struct stat& now, const struct stat& then)
{
    return now.st_size != then.st_size || now.st_mtim.tv_sec != then.st_mtim.tv_sec
           || now.st_mtim.tv_nsec != then.st_mtim.tv_nsec || now.st_ctim.tv_sec != then.st_ctim.tv_sec
           || now.st_ctim.tv_nsec != then.st_ctim.tv_nsec;
}

QByteArray procPath(int fd, const QByteArray& name)
{
    QByteArray path = "/proc/self/fd/" + QByteArray::number(fd);
    return name.isEmpty() ? path : path + '/' + name;
}

bool writeAllAt(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

bool readWhole(int fd, QByteArray& bytes)
{
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(buffer, n);
        at += n;
    }
}

bool putBytes(int fd, const QByteArray& bytes)
{
    return writeAllAt(fd, bytes) && ::ftruncate(fd, bytes.size()) == 0 && ::fsync(fd) == 0;
}

bool syncFolder(int folder)
{
    if (::fsync(folder) == 0 || errno == EINVAL)
        return true;
    if (errno != EBADF)
        return false;
    UniqueFd readable(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!readable.valid())
        return true;
    return ::fsync(readable.get()) == 0 || errno == EINVAL;
}

UniqueFd openUnnamed(int folder, mode_t mode)
{
    return UniqueFd(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
}

bool unnamedUnsupported(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOENT;
}

bool linkUnnamed(int fd, int folder, const QByteArray& name)
{
    if (::linkat(AT_FDCWD, procPath(fd).constData(), folder, name.constData(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno != ENOENT)
        return false;
    // No /proc: the descriptor itself, where the system allows it.
    return ::linkat(fd, "", folder, name.constData(), AT_EMPTY_PATH) == 0;
}

QByteArray leadingBytes(const QByteArray& name, qsizetype most)
{
    if (name.size() <= most)
        return name;
    qsizetype end = most;
    while (end > 0 && (uchar(name.at(end)) & 0xC0) == 0x80) // inside a character
        --end;
    return name.left(end);
}

QByteArray randomNameBeside(const QByteArray& name, const QByteArray& suffix)
{
    return '.' + leadingBytes(name, 160) + '.'
           + QByteArray::number(QRandomGenerator::global()->generate(), 36) + suffix;
}

UniqueFd createBeside(int folder, const QByteArray& name, const QByteArray& suffix, mode_t mode,
                      QByteArray* made)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *made = randomNameBeside(name, suffix);
        const int fd =
            ::openat(folder, made->constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return UniqueFd(fd);
    }
    return UniqueFd();
}

bool renameNoReplace(int folder, const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(folder, from.constData(), folder, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that kind of rename: a second name, then the
    // first one taken away.
    if (::linkat(folder, from.constData(), folder, to.constData(), 0) != 0)
        return false;
    if (::unlinkat(folder, from.constData(), 0) == 0)
        return true;
    // Two names would make the file look like nobody's copy.
    const int error = errno;
    ::unlinkat(folder, to.constData(), 0);
    errno = error;
    return false;
}

bool folderKeepsEntries(int folder)
{
    int flags = 0;
    return ::ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0 && (flags & (FS_APPEND_FL | FS_IMMUTABLE_FL));
}
