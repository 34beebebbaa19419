#include "files/keepingsave.h"
#include "files/filebytes.h"
#include "files/pathwalk.h"
#include "files/uniquefd.h"

#include <QRandomGenerator>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr mode_t kModeBits = 07777; // permissions and the set-id and sticky bits

SaveOutcome failed(const QString& why, const QString& keptBackup = QString())
{
    return {SaveStatus::Failed, why, keptBackup, false};
}

SaveOutcome failedWith(int error)
{
    return failed(reasonOf(error));
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The name still holds the file it held, not a link or another file.
bool stillHolds(int folder, const QByteArray& name, const struct stat& old)
{
    struct stat now {};
    return ::fstatat(folder, name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(now.st_mode)
           && sameFile(now, old);
}

QByteArray procPath(int folder, const QByteArray& name = QByteArray())
{
    QByteArray path = "/proc/self/fd/" + QByteArray::number(folder);
    return name.isEmpty() ? path : path + '/' + name;
}

// Attributes a new file would not get: an access control list, a user's
// own attributes. The security label is given to a new file by the system.
bool hasAttributes(int folder, const QByteArray& name)
{
    char names[4096];
    const ssize_t n = ::llistxattr(procPath(folder, name).constData(), names, sizeof names);
    if (n < 0)
        return errno == ERANGE; // more than fits here: certainly some
    for (ssize_t at = 0; at < n; at += ssize_t(qstrlen(names + at)) + 1) {
        if (qstrcmp(names + at, "security.selinux") != 0)
            return true;
    }
    return false;
}

// A new file in a folder with a default access control list takes that
// list, not the old file's access.
bool folderGivesDefaultAccess(int folder)
{
    return ::getxattr(procPath(folder).constData(), "system.posix_acl_default", nullptr, 0) > 0;
}

// A folder marked append-only or immutable lets a new file be made in it
// but neither renamed nor removed: the new-file road would leave it behind.
bool folderRefusesRenames(int folder)
{
    int flags = 0;
    return ::ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0 && (flags & (FS_APPEND_FL | FS_IMMUTABLE_FL));
}

// A folder opened only for passing through cannot be flushed; the
// system writes it out in its own time.
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

bool writeAllAt(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool readAll(int fd, QByteArray& bytes)
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

// A name nobody else holds, beside `name`, made with `mode`.
UniqueFd createBeside(int folder, const QByteArray& name, mode_t mode, QByteArray* made)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *made = '.' + name.left(200) + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36)
                + ".tmp";
        const int fd =
            ::openat(folder, made->constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return UniqueFd(fd);
    }
    return UniqueFd();
}

// Puts a new file's finished bytes under a name that nobody holds yet.
bool placeNew(int folder, const QByteArray& temporary, const QByteArray& name)
{
    if (::renameat2(folder, temporary.constData(), folder, name.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that kind of rename: a second name, then the
    // temporary one taken away.
    if (::linkat(folder, temporary.constData(), folder, name.constData(), 0) != 0)
        return false;
    ::unlinkat(folder, temporary.constData(), 0);
    return true;
}

struct Road {
    bool taken = true; // false: this road would lose something; take the other
    SaveOutcome outcome;
};

// A new file beside the old one, given the old one's owner, group and
// mode, flushed and renamed over it; or placed as a new file.
Road replaceWithNewFile(int folder, const QByteArray& name, const QByteArray& bytes, const struct stat* old,
                        WrittenFile* after)
{
    // Nobody else may read it while it is made; a new file takes the
    // usual mode less the user's mask.
    QByteArray temporary;
    UniqueFd fd = createBeside(folder, name, old ? 0600 : 0666, &temporary);
    if (!fd.valid()) {
        const int error = errno;
        if (old && (error == EACCES || error == EPERM || error == EROFS))
            return {false, {}};
        return {true, failedWith(error)};
    }
    auto discard = [&] { ::unlinkat(folder, temporary.constData(), 0); };
    if (old) {
        struct stat fresh {};
        const bool owned = ::fstat(fd.get(), &fresh) == 0
                           && ((fresh.st_uid == old->st_uid && fresh.st_gid == old->st_gid)
                               || ::fchown(fd.get(), old->st_uid, old->st_gid) == 0);
        // After the owner, which may clear set-id bits.
        if (!owned || ::fchmod(fd.get(), old->st_mode & kModeBits) != 0) {
            discard();
            return {false, {}};
        }
    }
    if (!writeAllAt(fd.get(), bytes) || ::fsync(fd.get()) != 0 || ::fstat(fd.get(), &after->status) != 0
        || !(after->held = UniqueFd(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0))).valid() || !fd.close()) {
        const int error = errno;
        discard();
        return {true, failedWith(error)};
    }
    if (old) {
        // The last look before the old file goes.
        if (!stillHolds(folder, name, *old)) {
            discard();
            return {true, {SaveStatus::NotTheFileRead, {}, {}}};
        }
        if (::renameat(folder, temporary.constData(), folder, name.constData()) != 0) {
            const int error = errno;
            discard();
            if (error == EACCES || error == EPERM)
                return {false, {}};
            return {true, failedWith(error)};
        }
    } else if (!placeNew(folder, temporary, name)) {
        const int error = errno;
        discard();
        return {true, failed(error == EEXIST ? QStringLiteral("another program made it meanwhile")
                                             : reasonOf(error))};
    }
    if (!syncFolder(folder))
        return {true, failed(QStringLiteral("its folder could not be flushed to the disk"))};
    return {true, {SaveStatus::Saved, {}, {}}};
}

// The old file rewritten where it stands, after a flushed copy of its old
// bytes beside it; the old bytes are put back when the write fails.
SaveOutcome rewriteInPlace(int folder, const QByteArray& name, const QByteArray& bytes,
                           const struct stat& old, WrittenFile* after)
{
    UniqueFd fd(::openat(folder, name.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat now {};
    if (!fd.valid() && errno != ELOOP)
        return failedWith(errno);
    if (!fd.valid() || ::fstat(fd.get(), &now) != 0 || !sameFile(now, old))
        return {SaveStatus::NotTheFileRead, {}, {}};
    QByteArray previous;
    if (!readAll(fd.get(), previous))
        return failedWith(errno);

    const QByteArray backup = backupNameOf(name);
    const QString backupPath = pathInFolder(folder, backup);
    UniqueFd copy(
        ::openat(folder, backup.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    // A folder that takes no new file: the old bytes are held here only.
    const bool backedUp = copy.valid();
    if (!backedUp && errno == EEXIST)
        return {SaveStatus::Failed,
                QStringLiteral("a copy left by a save that did not finish is in the way: %1").arg(backupPath),
                {},
                true};
    if (!backedUp && errno != EACCES && errno != EPERM && errno != EROFS)
        return failedWith(errno);
    if (backedUp && (!putBytes(copy.get(), previous) || !copy.close() || !syncFolder(folder))) {
        const int error = errno;
        ::unlinkat(folder, backup.constData(), 0);
        return failedWith(error);
    }
    auto dropBackup = [&] {
        if (backedUp)
            ::unlinkat(folder, backup.constData(), 0);
    };

    if (!putBytes(fd.get(), bytes)) {
        const int error = errno;
        if (putBytes(fd.get(), previous)) {
            dropBackup();
            return failedWith(error);
        }
        return failed(reasonOf(error), backedUp ? backupPath : QString());
    }
    // Writing may have cleared set-id bits; give them back where allowed.
    if (::fstat(fd.get(), &now) == 0 && (now.st_mode & kModeBits) != (old.st_mode & kModeBits))
        ::fchmod(fd.get(), old.st_mode & kModeBits);
    if (::fstat(fd.get(), &after->status) != 0
        || !(after->held = UniqueFd(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0))).valid() || !fd.close())
        return failed(reasonOf(errno), backedUp ? backupPath : QString());
    dropBackup();
    return {SaveStatus::Saved, {}, {}};
}

} // namespace

QByteArray backupNameOf(const QByteArray& name)
{
    return '.' + name.left(200) + ".vexdit-backup";
}

SaveOutcome writeKeeping(int folder, const QByteArray& name, const QByteArray& bytes, const struct stat* old,
                         WrittenFile* after)
{
    // A file-size limit makes a write fail instead of ending the program
    // half-way through it.
    std::signal(SIGXFSZ, SIG_IGN);
    if (bytes.size() > kMaxFileSize)
        return {SaveStatus::TooLarge, {}, {}};
    WrittenFile written;
    if (!after)
        after = &written;
    const bool newFileLosesNothing =
        !old
        || (old->st_nlink == 1 && !hasAttributes(folder, name) && !folderGivesDefaultAccess(folder)
            && !folderRefusesRenames(folder));
    if (newFileLosesNothing) {
        const Road road = replaceWithNewFile(folder, name, bytes, old, after);
        if (road.taken)
            return road.outcome;
    }
    return rewriteInPlace(folder, name, bytes, *old, after);
}
