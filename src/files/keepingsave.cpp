#include "files/keepingsave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kModeBits = 07777; // permissions and the set-id and sticky bits

// The file a path names once symbolic links are followed; the path itself
// when it names nothing yet.
QString followLinks(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? path : target;
}

// A folder marked append-only or immutable lets a new file be made in it
// but neither renamed nor removed: the new-file road would leave it behind.
bool folderRefusesRenames(const QString& file)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    const bool known = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    ::close(fd);
    return known && (flags & (FS_APPEND_FL | FS_IMMUTABLE_FL));
}

bool writeAllAt(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
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

enum class Outcome { Saved, Failed, NotThisWay };

// The new file beside the old one, given the old one's owner, group and
// mode, renamed over it.
Outcome replaceWithNewFile(const QString& target, const QByteArray& bytes, const struct stat* old)
{
    QSaveFile file(target);
    // Unbuffered: a write that fails shows here, not unnoticed in commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return old ? Outcome::NotThisWay : Outcome::Failed;
    if (old) {
        const int fd = file.handle();
        struct stat fresh {};
        const bool owned = ::fstat(fd, &fresh) == 0
                           && ((fresh.st_uid == old->st_uid && fresh.st_gid == old->st_gid)
                               || ::fchown(fd, old->st_uid, old->st_gid) == 0);
        // After the owner, which may clear set-id bits.
        if (!owned || ::fchmod(fd, old->st_mode & kModeBits) != 0) {
            file.cancelWriting();
            file.commit();
            return Outcome::NotThisWay;
        }
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return Outcome::Failed;
    }
    if (file.commit())
        return Outcome::Saved;
    return old && file.error() == QFileDevice::RenameError ? Outcome::NotThisWay : Outcome::Failed;
}

// The old file rewritten where it stands, its old bytes put back when the
// write fails.
bool rewriteInPlace(const QString& target, const QByteArray& bytes, const struct stat& old)
{
    const int fd = ::open(QFile::encodeName(target).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    QByteArray previous;
    bool saved = readAll(fd, previous);
    if (saved && !putBytes(fd, bytes)) {
        putBytes(fd, previous);
        saved = false;
    }
    // Writing may have cleared set-id bits; give them back where allowed.
    struct stat now {};
    if (saved && ::fstat(fd, &now) == 0 && (now.st_mode & kModeBits) != (old.st_mode & kModeBits))
        ::fchmod(fd, old.st_mode & kModeBits);
    return ::close(fd) == 0 && saved;
}

} // namespace

bool saveKeepingTheFile(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        return false;
    const QString target = followLinks(path);
    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return false;
    if (!exists)
        return replaceWithNewFile(target, bytes, nullptr) == Outcome::Saved;
    if (old.st_nlink == 1 && !folderRefusesRenames(target)) {
        const Outcome outcome = replaceWithNewFile(target, bytes, &old);
        if (outcome != Outcome::NotThisWay)
            return outcome == Outcome::Saved;
    }
    return rewriteInPlace(target, bytes, old);
}
