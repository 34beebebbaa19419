// Where a save keeps the old bytes of a file it rewrites in place, and
// which copies found there count as ours.
#include "files/backupcopy.h"
#include "files/diskfile.h"
#include "files/savesteps.h"
#include "support/filetools.h"

#include "support/nowarnings.h"
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray kOld = "old\r\n";
const QByteArray kNew = kStartingBytes;

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), had_(qEnvironmentVariableIsSet(name))
    {
        before_ = qgetenv(name);
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~ScopedEnv() { had_ ? qputenv(name_, before_) : qunsetenv(name_); }

private:
    const char* name_;
    bool had_;
    QByteArray before_;
};

struct stat statOf(const QString& path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Runs the check in a child process as another user; what it found wrong.
QString asUser(uid_t user, const std::function<QString()>& check)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0)
            ::_exit(3);
        const QByteArray fault = check().toUtf8();
        const bool told = ::write(pipe[1], fault.constData(), size_t(fault.size())) == fault.size();
        ::_exit(told ? 0 : 4); // no clean-up of the parent's folders
    }
    ::close(pipe[1]);
    QByteArray fault;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        fault.append(buffer, n);
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("the child ended with %1").arg(status);
    return QString::fromUtf8(fault);
}

} // namespace

class TestBackupCopy : public QObject, private TestFolder {
    Q_OBJECT
private:
    QString userFolder() const { return qEnvironmentVariable("XDG_STATE_HOME") + "/vexdit/backups"; }

private slots:
    void init()
    {
        failOnUnexpectedWarnings();
        // A state folder for each case.
        static int cases = 0;
        qputenv("XDG_STATE_HOME", QFile::encodeName(path(QStringLiteral("state%1").arg(++cases))));
    }

    // Names of every length around the longest a folder takes, two by two
    // alike in all but their last bytes: no two share a copy, and every
    // copy's name fits.
    void everyFileHasACopyNameOfItsOwn()
    {
        struct stat file {};
        file.st_ino = 123456789;
        QSet<QByteArray> seen;
        QRandomGenerator random(7);
        for (int length = 1; length <= NAME_MAX; ++length) {
            const QByteArray stem(length - 1, 'a');
            for (const char last : {'a', 'b', '.', '1'}) {
                const QByteArray name = stem + last;
                const QByteArray copy = backupNameBeside(name, file);
                QVERIFY2(copy.size() <= NAME_MAX, name.constData());
                QVERIFY2(!seen.contains(copy), name.constData());
                seen.insert(copy);
            }
        }
        // A long name of two-byte characters is never cut inside one.
        for (int characters = 100; characters < NAME_MAX / 2; ++characters) {
            const QByteArray name =
                (QString(characters % 2 ? "a" : "") + QString(characters, QChar(0xE9))).toUtf8();
            const QByteArray copy = backupNameBeside(name, file);
            QCOMPARE(QString::fromUtf8(copy).toUtf8(), copy);
            QVERIFY(!QString::fromUtf8(copy).contains(QChar::ReplacementCharacter));
        }
        // A short name crafted so that its copy's name would be a long
        // one's: what comes before ".INODE.vexdit-backup" there.
        const QByteArray longName(NAME_MAX, 'x');
        const QByteArray cut = backupNameBeside(longName, file);
        const QByteArray shortEnding = '.' + QByteArray::number(qulonglong(file.st_ino)) + ".vexdit-backup";
        const QByteArray crafted = cut.mid(1, cut.size() - 1 - shortEnding.size());
        QVERIFY(backupNameBeside(crafted, file) != cut);
        // Another inode, another copy.
        struct stat other = file;
        other.st_ino = 987654321;
        QVERIFY(backupNameBeside("plan.ai", file) != backupNameBeside("plan.ai", other));
        QVERIFY(backupNameForUser("/a/plan.ai", "plan.ai", file)
                != backupNameForUser("/b/plan.ai", "plan.ai", file));
    }

    void userFolderFollowsTheBaseDirectorySpecification_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("expected");
        QTest::newRow("XDG_STATE_HOME") << QByteArray("/s") << QByteArray("/h") << "/s/vexdit/backups";
        QTest::newRow("unset") << QByteArray() << QByteArray("/h") << "/h/.local/state/vexdit/backups";
        QTest::newRow("relative, ignored")
            << QByteArray("s") << QByteArray("/h") << "/h/.local/state/vexdit/backups";
    }
    void userFolderFollowsTheBaseDirectorySpecification()
    {
        QFETCH(QByteArray, state);
        QFETCH(QByteArray, home);
        QFETCH(QString, expected);
        const ScopedEnv stateHome("XDG_STATE_HOME", state);
        const ScopedEnv homeFolder("HOME", home);
        QCOMPARE(userBackupFolder(), expected);
    }

    // Made where missing, for the user alone; a looser one of the user's is
    // tightened, another user's is refused.
    void userFolderIsTheUsersAlone()
    {
        const ScopedEnv stateHome("XDG_STATE_HOME", QFile::encodeName(path("deep/er/state")));
        QVERIFY(!openUserBackupFolder(false).valid());
        QVERIFY(openUserBackupFolder(true).valid());
        const QString made = path("deep/er/state/vexdit/backups");
        QCOMPARE(statOf(made).st_mode & 07777, mode_t(0700));
        QCOMPARE(statOf(path("deep/er/state/vexdit")).st_mode & 07777, mode_t(0700));
        QCOMPARE(::chmod(qPrintable(made), 0777), 0);
        QVERIFY(openUserBackupFolder(false).valid());
        QCOMPARE(statOf(made).st_mode & 07777, mode_t(0700));
        if (geteuid() != 0)
            return;
        QCOMPARE(::chown(qPrintable(made), 12345, 12345), 0);
        QVERIFY(!openUserBackupFolder(true).valid());
        // Nor through a link put in its place.
        QVERIFY(QDir().rename(made, made + ".strangers"));
        QVERIFY(QFile::link(made + ".strangers", made));
        QVERIFY(!openUserBackupFolder(true).valid());
    }

    // What lies at a copy's name counts as a leftover of ours only when it
    // is a regular file with one name, owned by the saver or the file's
    // owner. Anything else is neither announced nor in the way of a save,
    // which then keeps its copy in the user's folder. Tried in a sticky
    // folder as root (the stranger an ordinary user) and as an ordinary
    // user (the stranger root).
    void onlyOurOwnCopiesCount_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("ours");
        QTest::addColumn<int>("saver");
        for (const int saver : {0, 12345}) {
            const char* as = saver == 0 ? ", as root" : ", as an ordinary user";
            auto row = [&](const char* name, const char* entry, bool ours) {
                QTest::newRow(qPrintable(QString::fromLatin1(name) + as)) << entry << ours << saver;
            };
            row("our copy", "copy", true);
            row("the file's owner's copy", "owner's copy", true);
            row("a stranger's copy", "stranger's copy", false);
            row("a stranger's link to a private file", "link", false);
            row("a FIFO", "fifo", false);
            row("a folder", "folder", false);
            row("a copy with a second name", "two names", false);
            row("our copy in the user's folder", "user's copy", true);
        }
    }
    void onlyOurOwnCopiesCount()
    {
        QFETCH(QString, entry);
        QFETCH(bool, ours);
        QFETCH(int, saver);
        if (geteuid() != 0)
            QSKIP("giving files to other users takes root");
        const uid_t stranger = saver == 0 ? 12345 : 0;
        QTemporaryDir shared;
        QCOMPARE(::chmod(qPrintable(shared.path()), 01777), 0);
        const QString file = shared.filePath("plan.ai");
        QVERIFY(writeAll(file, kOld));
        QCOMPARE(::link(qPrintable(file), qPrintable(shared.filePath("second.ai"))), 0); // in place
        const uid_t owner = entry == "owner's copy" ? 23456 : uid_t(saver);
        QCOMPARE(::chown(qPrintable(file), owner, owner), 0);
        QCOMPARE(::chmod(qPrintable(file), 0666), 0);
        const QString state = shared.filePath("state");
        QVERIFY(QDir().mkpath(state + "/vexdit/backups"));
        for (const QString& folder : {state, state + "/vexdit", state + "/vexdit/backups"})
            QCOMPARE(::chown(qPrintable(folder), uid_t(saver), uid_t(saver)), 0);
        qputenv("XDG_STATE_HOME", QFile::encodeName(state));
        QVERIFY(writeAll(path("private"), "root's own\n"));
        QString at = backupBeside(file);
        if (entry == "user's copy")
            at = userFolder() + '/' + QFile::decodeName(backupNameForUser(file, "plan.ai", statOf(file)));
        if (entry == "link")
            QVERIFY(QFile::link(path("private"), at));
        else if (entry == "fifo")
            QCOMPARE(::mkfifo(qPrintable(at), 0600), 0);
        else if (entry == "folder")
            QVERIFY(QDir().mkdir(at));
        else
            QVERIFY(writeAll(at, "older\r\n"));
        if (entry == "two names")
            QCOMPARE(::link(qPrintable(at), qPrintable(shared.filePath("second-name"))), 0);
        const uid_t entryOwner = entry == "owner's copy"                         ? owner
                                 : entry == "stranger's copy" || entry == "link" ? stranger
                                                                                 : saver;
        QCOMPARE(::lchown(qPrintable(at), entryOwner, entryOwner), 0);

        auto check = [&]() -> QString {
            ReadOutcome read = readBuildList(file);
            if (!read.file)
                return "not read: " + read.whyNot;
            if (read.leftoverBackup != (ours ? at : QString()))
                return "announced: " + read.leftoverBackup;
            const SaveOutcome saved = saveOver(*read.file, kNew);
            if (ours)
                return saved.status == SaveStatus::Failed && saved.refused && saved.why.contains(at)
                               && readAll(file) == kOld
                           ? QString()
                           : "not refused: " + saved.why;
            if (!saved.saved() || readAll(file) != kNew)
                return "not saved: " + saved.why;
            if (!QFileInfo(at).isSymLink() && !QFileInfo::exists(at))
                return QStringLiteral("the entry was removed");
            if (!entries(userFolder()).isEmpty())
                return QStringLiteral("a copy is left in the user's folder");
            return QString();
        };
        const QString fault = saver == 0 ? check() : asUser(uid_t(saver), check);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(readAll(path("private")), QByteArray("root's own\n"));
    }

    // A copy that cannot be removed once the file is written (its folder
    // became append-only meanwhile) is named, not passed over in silence.
    // Another file renamed over the copy's name while the save runs is not
    // the copy: it is left where it is, bytes and all.
    void anotherFileAtTheCopysNameIsLeftAlone()
    {
        const QString file = path("swapped.ai");
        QVERIFY(writeAll(file, kOld));
        QCOMPARE(::link(qPrintable(file), qPrintable(path("swapped2.ai"))), 0); // in place, with a copy
        QVERIFY(writeAll(path("stranger"), "not a copy\n"));
        ReadOutcome read = readBuildList(file);
        QVERIFY(read.file);
        const QString copy = backupBeside(file);
        const SaveStepHook before = setSaveStepHook([&](SaveStep step) {
            if (step == SaveStep::OldBytesKept)
                ::rename(qPrintable(path("stranger")), qPrintable(copy));
            return 0;
        });
        const auto restore = qScopeGuard([&] { setSaveStepHook(before); });
        const SaveOutcome saved = saveOver(*read.file, kNew);
        QVERIFY2(saved.saved(), qPrintable(saved.why));
        QCOMPARE(readAll(file), kNew);
        QCOMPARE(readAll(copy), QByteArray("not a copy\n"));
    }

    void copyThatStaysIsNamed()
    {
        if (geteuid() != 0)
            QSKIP("marking a folder append-only takes root");
        QVERIFY(QDir(dir.path()).mkdir("turning"));
        const QString file = path("turning/plan.ai");
        QVERIFY(writeAll(file, kOld));
        QCOMPARE(::link(qPrintable(file), qPrintable(path("turning/second.ai"))), 0); // in place
        ReadOutcome read = readBuildList(file);
        QVERIFY(read.file);
        bool marked = false;
        const SaveStepHook before = setSaveStepHook([&](SaveStep step) {
            if (step == SaveStep::OldBytesKept)
                marked = QProcess::execute("chattr", {"+a", path("turning")}) == 0;
            return 0;
        });
        const auto restore = qScopeGuard([&] {
            setSaveStepHook(before);
            QProcess::execute("chattr", {"-a", path("turning")});
        });
        const SaveOutcome saved = saveOver(*read.file, kNew);
        if (!marked)
            QSKIP("this file system has no append-only folders");
        QVERIFY(saved.saved());
        QCOMPARE(readAll(file), kNew);
        const QString copy = backupBeside(file);
        QCOMPARE(readAll(copy), kOld);
        QVERIFY2(saved.warning.contains(copy), qPrintable(saved.warning));
    }

    // A folder that keeps whatever is made in it (append-only) would keep
    // the copy for ever: it goes to the user's folder, and every later
    // save goes on.
    void appendOnlyFolderKeepsNoCopy()
    {
        if (geteuid() != 0)
            QSKIP("marking a folder append-only takes root");
        QVERIFY(QDir(dir.path()).mkdir("appendonly"));
        const QString file = path("appendonly/plan.ai");
        QVERIFY(writeAll(file, kOld));
        if (QProcess::execute("chattr", {"+a", path("appendonly")}) != 0)
            QSKIP("this file system has no append-only folders");
        const auto unmark = qScopeGuard([&] { QProcess::execute("chattr", {"-a", path("appendonly")}); });
        for (const QByteArray& bytes : {kNew, kOld, kNew}) {
            ReadOutcome read = readBuildList(file);
            QVERIFY(read.file);
            QCOMPARE(read.leftoverBackup, QString());
            const SaveOutcome saved = saveOver(*read.file, bytes);
            QVERIFY2(saved.saved() && saved.warning.isEmpty(), qPrintable(saved.why + saved.warning));
            QCOMPARE(readAll(file), bytes);
        }
        QCOMPARE(entries(path("appendonly")), QStringList{"plan.ai"});
        QCOMPARE(entries(userFolder()), QStringList());
    }

    // With no place for a copy the file is not rewritten in place unless
    // the user says so.
    void noCopyAnywhereAsksFirst()
    {
        if (geteuid() != 0)
            QSKIP("an immutable folder takes root");
        QVERIFY(QDir(dir.path()).mkdir("immutable"));
        const QString file = path("immutable/plan.ai");
        QVERIFY(writeAll(file, kOld));
        QVERIFY(writeAll(path("afile"), kOld));
        const ScopedEnv stateHome("XDG_STATE_HOME", QFile::encodeName(path("afile/state")));
        if (QProcess::execute("chattr", {"+i", path("immutable")}) != 0)
            QSKIP("this file system has no immutable folders");
        const auto unmark = qScopeGuard([&] { QProcess::execute("chattr", {"-i", path("immutable")}); });
        ReadOutcome read = readBuildList(file);
        QVERIFY(read.file);
        const SaveOutcome refused = saveOver(*read.file, kNew);
        QCOMPARE(refused.status, SaveStatus::NoBackup);
        QVERIFY(refused.why.contains(path("afile/state")));
        QCOMPARE(readAll(file), kOld);
        SaveOptions anyway;
        anyway.withoutBackup = true;
        QVERIFY(saveOver(*read.file, kNew, anyway).saved());
        QCOMPARE(readAll(file), kNew);
    }
};

QTEST_GUILESS_MAIN(TestBackupCopy)
#include "tst_backupcopy.moc"
