#include "files/backupcopy.h"
#include "files/pathwalk.h"
#include "files/rawfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace {

const QByteArray kEnding = ".vexdit-backup";
// Cut names end in a hash, never in kEnding.
const QByteArray kCutEnding = ".vexdit-backup-";
constexpr int kNameMax = NAME_MAX;

QByteArray hashOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray inodeOf(const struct stat& file)
{
    return QByteArray::number(qulonglong(file.st_ino));
}

bool isOwnCopy(int folder, const QByteArray& name, const struct stat& file)
{
    struct stat copy {};
    return ::fstatat(folder, name.constData(), &copy, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(copy.st_mode)
           && copy.st_nlink == 1 && (copy.st_uid == ::geteuid() || copy.st_uid == file.st_uid);
}

// Every folder of the path entered from the root, made where missing and
// `create` asks for it; the last `private_` of them not through a link.
UniqueFd enterFolders(const QByteArray& path, bool create, int private_)
{
    UniqueFd folder(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    QList<QByteArray> parts = path.split('/');
    parts.removeAll(QByteArray());
    for (int i = 0; i < parts.size() && folder.valid(); ++i) {
        const char* part = parts.at(i).constData();
        if (create && ::mkdirat(folder.get(), part, 0700) != 0 && errno != EEXIST)
            return UniqueFd();
        const int noLink = i >= parts.size() - private_ ? O_NOFOLLOW : 0;
        folder = UniqueFd(::openat(folder.get(), part, O_PATH | O_DIRECTORY | O_CLOEXEC | noLink));
    }
    return folder;
}

// Writes the bytes under a name of their own first: an unnamed file where
// the file system has them, else an exclusive hidden name.
bool writeCompleteCopy(int folder, const QByteArray& name, const QByteArray& bytes, BackupCopy* copy)
{
    QByteArray temporary;
    UniqueFd fd = openUnnamed(folder, 0600);
    if (!fd.valid() && unnamedUnsupported(errno))
        fd = createBeside(folder, name, ".vexdit-tmp", 0600, &temporary);
    if (!fd.valid())
        return false;
    auto fail = [&] {
        const int error = errno;
        if (!temporary.isEmpty())
            ::unlinkat(folder, temporary.constData(), 0);
        errno = error;
        return false;
    };
    if (!putBytes(fd.get(), bytes) || ::fstat(fd.get(), &copy->status) != 0)
        return fail();
    if (!(temporary.isEmpty() ? linkUnnamed(fd.get(), folder, name)
                              : renameNoReplace(folder, temporary, name)))
        return fail();
    if (!fd.close() || !syncFolder(folder)) {
        const int error = errno;
        ::unlinkat(folder, name.constData(), 0);
        errno = error;
        return false;
    }
    copy->folder = UniqueFd(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    copy->name = name;
    copy->path = pathInFolder(folder, name);
    return copy->folder.valid();
}

} // namespace

QByteArray backupNameBeside(const QByteArray& name, const struct stat& file)
{
    const QByteArray whole = '.' + name + '.' + inodeOf(file) + kEnding;
    if (whole.size() <= kNameMax)
        return whole;
    return '.' + leadingBytes(name, 150) + '.' + inodeOf(file) + kCutEnding + hashOf(name);
}

QByteArray backupNameForUser(const QString& filePath, const QByteArray& name, const struct stat& file)
{
    return leadingBytes(name, 60) + '.' + hashOf(QFile::encodeName(filePath)) + '.' + inodeOf(file) + kEnding;
}

QString userBackupFolder()
{
    QByteArray state = qgetenv("XDG_STATE_HOME");
    if (!state.startsWith('/')) { // a relative one is to be ignored
        QByteArray home = qgetenv("HOME");
        if (!home.startsWith('/')) {
            const passwd* user = ::getpwuid(::geteuid());
            home = user && user->pw_dir ? QByteArray(user->pw_dir) : QByteArray();
        }
        if (!home.startsWith('/'))
            return QString();
        state = home + "/.local/state";
    }
    return QFile::decodeName(state + "/vexdit/backups");
}

UniqueFd openUserBackupFolder(bool create)
{
    const QString path = userBackupFolder();
    if (path.isEmpty()) {
        errno = ENOENT;
        return UniqueFd();
    }
    UniqueFd passing = enterFolders(QFile::encodeName(path), create, 2);
    if (!passing.valid())
        return passing;
    UniqueFd folder(::openat(passing.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat status {};
    if (!folder.valid() || ::fstat(folder.get(), &status) != 0)
        return UniqueFd();
    if (status.st_uid != ::geteuid()) {
        errno = EPERM;
        return UniqueFd();
    }
    if ((status.st_mode & 077) && ::fchmod(folder.get(), 0700) != 0)
        return UniqueFd();
    return folder;
}

namespace {

// Where our own copy that an unfinished save left of this file lies: beside
// it, or in the user's folder; the folder is held open.
struct LeftoverPlace {
    UniqueFd folder;
    QByteArray name;
    bool beside;
};

std::optional<LeftoverPlace> leftoverPlace(int folder, const QByteArray& name, const struct stat& file)
{
    const QByteArray beside = backupNameBeside(name, file);
    if (isOwnCopy(folder, beside, file))
        return LeftoverPlace{UniqueFd(::fcntl(folder, F_DUPFD_CLOEXEC, 0)), beside, true};
    UniqueFd users = openUserBackupFolder(false);
    const QByteArray userName = backupNameForUser(pathInFolder(folder, name), name, file);
    if (users.valid() && isOwnCopy(users.get(), userName, file))
        return LeftoverPlace{std::move(users), userName, false};
    return std::nullopt;
}

} // namespace

QString leftoverBackupOf(int folder, const QByteArray& name, const struct stat& file)
{
    const std::optional<LeftoverPlace> place = leftoverPlace(folder, name, file);
    return place ? pathInFolder(place->folder.get(), place->name) : QString();
}

bool removeLeftoverBackup(int folder, const QByteArray& name, const struct stat& file)
{
    const std::optional<LeftoverPlace> place = leftoverPlace(folder, name, file);
    if (!place) {
        errno = ENOENT;
        return false;
    }
    return ::unlinkat(place->folder.get(), place->name.constData(), 0) == 0;
}

void carryLeftoverBackup(int folder, const QByteArray& name, const struct stat& old, const struct stat& now)
{
    const std::optional<LeftoverPlace> place = leftoverPlace(folder, name, old);
    if (!place)
        return;
    const QByteArray renamed = place->beside ? backupNameBeside(name, now)
                                             : backupNameForUser(pathInFolder(folder, name), name, now);
    renameNoReplace(place->folder.get(), place->name, renamed);
}

KeptOldBytes keepOldBytes(int folder, const QByteArray& name, const struct stat& file,
                          const QByteArray& bytes)
{
    KeptOldBytes kept;
    kept.leftover = leftoverBackupOf(folder, name, file);
    if (!kept.leftover.isEmpty())
        return kept;
    BackupCopy copy;
    const QByteArray beside = backupNameBeside(name, file);
    struct stat there {};
    // A stranger's entry at the name, or a folder that would keep the copy
    // for ever: the user's folder instead.
    if (!folderKeepsEntries(folder) && ::fstatat(folder, beside.constData(), &there, AT_SYMLINK_NOFOLLOW) != 0
        && errno == ENOENT) {
        if (writeCompleteCopy(folder, beside, bytes, &copy)) {
            kept.copy = std::move(copy);
            return kept;
        }
        kept.whyNot = QCoreApplication::translate("BackupCopy", "%1 beside it").arg(reasonOf(errno));
    }
    const UniqueFd users = openUserBackupFolder(true);
    const QByteArray userName = backupNameForUser(pathInFolder(folder, name), name, file);
    if (users.valid() && writeCompleteCopy(users.get(), userName, bytes, &copy)) {
        kept.copy = std::move(copy);
        return kept;
    }
    const QString inUsers = QStringLiteral("%1 in %2").arg(reasonOf(errno), userBackupFolder());
    kept.whyNot = kept.whyNot.isEmpty() ? inUsers : kept.whyNot + QStringLiteral(", ") + inUsers;
    return kept;
}

bool removeBackup(const BackupCopy& copy)
{
    struct stat now {};
    if (::fstatat(copy.folder.get(), copy.name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!sameFile(now, copy.status))
        return true; // not ours any more: someone else's to remove
    return ::unlinkat(copy.folder.get(), copy.name.constData(), 0) == 0;
}
