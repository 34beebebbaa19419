#include "files/keepingsave.h"
#include "files/backupcopy.h"
#include "files/filebytes.h"
#include "files/pathwalk.h"
#include "files/rawfile.h"
#include "files/savesteps.h"
#include "model/trtext.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr mode_t kModeBits = 07777; // permissions and the set-id and sticky bits

SaveOutcome failed(const QString& why, const QString& keptBackup = QString())
{
    return {SaveStatus::Failed, why, keptBackup, false, {}};
}

SaveOutcome failedWith(int error)
{
    return failed(reasonOf(error));
}

SaveOutcome refusedFor(const QString& why)
{
    return {SaveStatus::Failed, why, {}, true, {}};
}

SaveOutcome endedWith(SaveStatus status)
{
    return {status, {}, {}, false, {}};
}

SaveOutcome savedWarning(const QString& warning)
{
    return {SaveStatus::Saved, {}, {}, false, warning};
}

constexpr TrText kFolderNotFlushed{
    "KeepingSave",
    QT_TRANSLATE_NOOP(
        "KeepingSave",
        "its folder could not be flushed to the disk, so its new name may not survive a power cut")};

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

bool inGroup(gid_t group)
{
    if (::getegid() == group)
        return true;
    gid_t groups[NGROUPS_MAX];
    const int n = ::getgroups(NGROUPS_MAX, groups);
    return std::find(groups, groups + qMax(n, 0), group) != groups + qMax(n, 0);
}

// A write by anyone but root clears the set-user-ID bit, and the
// set-group-ID bit of a file its group may run; only the owner may set
// them again, and the set-group-ID bit only as a member of the file's group.
bool setIdBitsSurviveARewrite(const struct stat& file)
{
    const bool userBit = file.st_mode & S_ISUID;
    const bool groupBit = (file.st_mode & S_ISGID) && (file.st_mode & S_IXGRP);
    if ((!userBit && !groupBit) || ::geteuid() == 0)
        return true;
    return ::geteuid() == file.st_uid && (!groupBit || inGroup(file.st_gid));
}

// The file under the name is still the one expected, unchanged.
SaveStatus lastLook(int folder, const QByteArray& name, const struct stat& old)
{
    struct stat now {};
    if (::fstatat(folder, name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(now.st_mode)
        || !sameFile(now, old))
        return SaveStatus::NotTheFileRead;
    return changedSince(now, old) ? SaveStatus::ChangedOnDisk : SaveStatus::Saved;
}

// A second name for an unnamed file, beside `name`, to rename over it.
bool linkBeside(int fd, int folder, const QByteArray& name, QByteArray* made)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *made = randomNameBeside(name, ".vexdit-new");
        if (linkUnnamed(fd, folder, *made))
            return true;
        if (errno != EEXIST)
            break;
    }
    made->clear();
    return false;
}

struct Road {
    bool taken = true; // false: this road would lose something; take the other
    SaveOutcome outcome;
};

// The new file is given the old one's owner, group and mode, exactly.
bool takesOldIdentity(int fd, const struct stat& old)
{
    struct stat fresh {};
    if (::fstat(fd, &fresh) != 0)
        return false;
    if ((fresh.st_uid != old.st_uid || fresh.st_gid != old.st_gid)
        && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    // After the owner, which may clear set-id bits; the system may drop
    // some without a word, so the result is looked at.
    return ::fchmod(fd, old.st_mode & kModeBits) == 0 && ::fstat(fd, &fresh) == 0
           && fresh.st_uid == old.st_uid && fresh.st_gid == old.st_gid
           && (fresh.st_mode & kModeBits) == (old.st_mode & kModeBits);
}

// A new file beside the old one, given the old one's owner, group and
// mode, flushed and renamed over it; or placed as a new file. It has no
// name until its bytes are flushed, where the file system allows.
Road replaceWithNewFile(int folder, const QByteArray& name, const QByteArray& bytes, const struct stat* old,
                        WrittenFile* after)
{
    // Nobody else may read it while it is made; a new file takes the
    // usual mode less the user's mask.
    const mode_t mode = old ? 0600 : 0666;
    QByteArray temporary;
    UniqueFd fd = openUnnamed(folder, mode);
    if (!fd.valid() && unnamedUnsupported(errno))
        fd = createBeside(folder, name, ".vexdit-new", mode, &temporary);
    if (!fd.valid()) {
        const int error = errno;
        if (old && (error == EACCES || error == EPERM || error == EROFS))
            return {false, {}};
        return {true, failedWith(error)};
    }
    auto discard = [&] {
        const int error = errno;
        if (!temporary.isEmpty())
            ::unlinkat(folder, temporary.constData(), 0);
        errno = error;
    };
    if (!writeAllAt(fd.get(), bytes)) {
        discard();
        return {true, failedWith(errno)};
    }
    // After the write, which clears set-id bits.
    if (old && !takesOldIdentity(fd.get(), *old)) {
        discard();
        return {false, {}};
    }
    if (::fsync(fd.get()) != 0) {
        discard();
        return {true, failedWith(errno)};
    }
    if (const int error = atSaveStep(SaveStep::NewBytesFlushed)) {
        discard();
        return {true, failedWith(error)};
    }
    if (old) {
        // The last look before the old file goes.
        const SaveStatus look = lastLook(folder, name, *old);
        if (look != SaveStatus::Saved) {
            discard();
            return {true, endedWith(look)};
        }
        if (temporary.isEmpty() && !linkBeside(fd.get(), folder, name, &temporary)) {
            const int error = errno;
            if (error == EACCES || error == EPERM)
                return {false, {}};
            return {true, failedWith(error)};
        }
        if (::renameat(folder, temporary.constData(), folder, name.constData()) != 0) {
            const int error = errno;
            discard();
            if (error == EACCES || error == EPERM)
                return {false, {}};
            return {true, failedWith(error)};
        }
    } else if (!(temporary.isEmpty() ? linkUnnamed(fd.get(), folder, name)
                                     : renameNoReplace(folder, temporary, name))) {
        const int error = errno;
        discard();
        return {true, failed(error == EEXIST ? QCoreApplication::translate(
                                 "KeepingSave", "another program made it meanwhile")
                                             : reasonOf(error))};
    }
    // From here the name holds the new bytes: the save is done, whatever
    // follows. The rename moved the file's status-change time on.
    QStringList warnings;
    if (::fstat(fd.get(), &after->status) != 0
        || !(after->held = UniqueFd(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0))).valid() || !fd.close())
        warnings << QCoreApplication::translate("KeepingSave", "it could not be closed cleanly: %1")
                        .arg(reasonOf(errno));
    else if (old)
        carryLeftoverBackup(folder, name, *old, after->status);
    const int flushError = atSaveStep(SaveStep::FolderFlush);
    if (flushError || !syncFolder(folder))
        warnings << kFolderNotFlushed;
    return {true, savedWarning(warnings.join(QStringLiteral("; ")))};
}

// The old file rewritten where it stands, after a complete, flushed copy
// of its old bytes; the old bytes are put back when the write fails.
SaveOutcome rewriteInPlace(int folder, const QByteArray& name, const QByteArray& bytes,
                           const struct stat& old, WrittenFile* after, bool withoutBackup)
{
    UniqueFd fd(::openat(folder, name.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat now {};
    if (!fd.valid() && errno != ELOOP)
        return failedWith(errno);
    if (!fd.valid() || ::fstat(fd.get(), &now) != 0 || !sameFile(now, old))
        return endedWith(SaveStatus::NotTheFileRead);
    if (!setIdBitsSurviveARewrite(old))
        return refusedFor(QCoreApplication::translate(
            "KeepingSave", "its set-user-ID or set-group-ID bit would be lost; only its owner "
                           "can save it and keep them"));
    QByteArray previous;
    if (!readWhole(fd.get(), previous))
        return failedWith(errno);

    std::optional<BackupCopy> copy;
    if (!withoutBackup) {
        KeptOldBytes kept = keepOldBytes(folder, name, old, previous);
        if (!kept.leftover.isEmpty())
            return refusedFor(
                QCoreApplication::translate("KeepingSave",
                                            "a copy left by a save that did not finish is in the way: %1")
                    .arg(kept.leftover));
        if (!kept.copy)
            return {SaveStatus::NoBackup, kept.whyNot, {}, true, {}};
        copy = std::move(kept.copy);
    }
    const QString keptPath = copy ? copy->path : QString();
    auto dropCopy = [&] {
        const int error = errno;
        if (copy)
            removeBackup(*copy);
        errno = error;
    };

    // The last look before the file is touched: the copy holds what it
    // holds now.
    if (const int error = atSaveStep(SaveStep::OldBytesKept)) {
        dropCopy();
        return failedWith(error);
    }
    const SaveStatus look = lastLook(folder, name, old);
    if (look != SaveStatus::Saved || ::fstat(fd.get(), &now) != 0 || changedSince(now, old)) {
        dropCopy();
        return endedWith(look == SaveStatus::Saved ? SaveStatus::ChangedOnDisk : look);
    }

    if (!putBytes(fd.get(), bytes)) {
        const int error = errno;
        if (putBytes(fd.get(), previous)) {
            dropCopy();
            return failedWith(error);
        }
        return failed(reasonOf(error), keptPath);
    }
    QStringList warnings;
    // Writing may have cleared set-id bits; give them back.
    if (::fstat(fd.get(), &now) == 0 && (now.st_mode & kModeBits) != (old.st_mode & kModeBits)
        && (::fchmod(fd.get(), old.st_mode & kModeBits) != 0 || ::fstat(fd.get(), &now) != 0
            || (now.st_mode & kModeBits) != (old.st_mode & kModeBits)))
        warnings << QCoreApplication::translate("KeepingSave",
                                                "its mode could not be kept: it was %1 and is now %2")
                        .arg(old.st_mode & kModeBits, 4, 8, QLatin1Char('0'))
                        .arg(now.st_mode & kModeBits, 4, 8, QLatin1Char('0'));
    if (::fstat(fd.get(), &after->status) != 0
        || !(after->held = UniqueFd(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0))).valid() || !fd.close())
        return failed(reasonOf(errno), keptPath);
    if (copy && !removeBackup(*copy))
        warnings << QCoreApplication::translate("KeepingSave",
                                                "the copy of its old bytes in %1 could not be removed: %2")
                        .arg(keptPath, reasonOf(errno));
    return savedWarning(warnings.join(QStringLiteral("; ")));
}

} // namespace

SaveOutcome writeKeeping(int folder, const QByteArray& name, const QByteArray& bytes, const struct stat* old,
                         WrittenFile* after, const SaveOptions& options)
{
    // A file-size limit makes a write fail instead of ending the program
    // half-way through it.
    std::signal(SIGXFSZ, SIG_IGN);
    if (bytes.size() > kMaxFileSize)
        return endedWith(SaveStatus::TooLarge);
    if (const int error = atSaveStep(SaveStep::PathWalked))
        return failedWith(error);
    WrittenFile written;
    if (!after)
        after = &written;
    const bool newFileLosesNothing = !old
                                     || (old->st_nlink == 1 && !hasAttributes(folder, name)
                                         && !folderGivesDefaultAccess(folder) && !folderKeepsEntries(folder));
    if (newFileLosesNothing) {
        const Road road = replaceWithNewFile(folder, name, bytes, old, after);
        if (road.taken)
            return road.outcome;
    }
    if (!old) // a new file has no other road
        return failed(reasonOf(EPERM));
    return rewriteInPlace(folder, name, bytes, *old, after, options.withoutBackup);
}
