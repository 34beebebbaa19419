// Where a save keeps the old bytes of a file it rewrites in place, and
// which copies found there count as ours.
#include "files/backupcopy.h"
#include "files/diskfile.h"
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
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kOld = "old\r\n";
const QByteArray kNew = "B109      TownCenter           1      -1        \r\n";

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

} // namespace

class TestBackupCopy : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
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
        // A short name crafted to look like a long one's copy.
        const QByteArray longName(NAME_MAX, 'x');
        const QByteArray cut = backupNameBeside(longName, file);
        QVERIFY(backupNameBeside(cut.mid(1), file) != cut);
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
    // is a regular file with one name, owned by the user or the file's
    // owner. Anything else is neither announced nor in the way of a save,
    // which then keeps its copy in the user's folder.
    void onlyOurOwnCopiesCount_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("ours");
        QTest::newRow("our copy") << "copy" << true;
        QTest::newRow("the file's owner's copy") << "owner's copy" << true;
        QTest::newRow("a stranger's copy") << "stranger's copy" << false;
        QTest::newRow("a link to a root-only file") << "link" << false;
        QTest::newRow("a FIFO") << "fifo" << false;
        QTest::newRow("a folder") << "folder" << false;
        QTest::newRow("a copy with a second name") << "two names" << false;
        QTest::newRow("our copy in the user's folder") << "user's copy" << true;
    }
    void onlyOurOwnCopiesCount()
    {
        QFETCH(QString, entry);
        QFETCH(bool, ours);
        const bool asRoot = geteuid() == 0;
        if (entry.contains("'s copy") && entry != "user's copy" && !asRoot)
            QSKIP("giving a file to another user takes root");
        QTemporaryDir shared;
        QCOMPARE(::chmod(qPrintable(shared.path()), 01777), 0);
        const QString file = shared.filePath("plan.ai");
        QVERIFY(writeAll(file, kOld));
        QCOMPARE(::link(qPrintable(file), qPrintable(shared.filePath("second.ai"))), 0); // in place
        if (entry == "owner's copy")
            QCOMPARE(::chown(qPrintable(file), 23456, 23456), 0);
        const QString beside = backupBeside(file);
        QVERIFY(writeAll(path("root-only"), "root's own\n"));
        QString at = beside;
        if (entry == "user's copy") {
            QVERIFY(openUserBackupFolder(true).valid());
            at = userFolder() + '/' + QFile::decodeName(backupNameForUser(file, "plan.ai", statOf(file)));
        }
        if (entry == "link")
            QVERIFY(QFile::link(path("root-only"), at));
        else if (entry == "fifo")
            QCOMPARE(::mkfifo(qPrintable(at), 0600), 0);
        else if (entry == "folder")
            QVERIFY(QDir().mkdir(at));
        else
            QVERIFY(writeAll(at, "older\r\n"));
        if (entry == "two names")
            QCOMPARE(::link(qPrintable(at), qPrintable(path("second-name"))), 0);
        if (entry == "stranger's copy" || entry == "owner's copy")
            QCOMPARE(::chown(qPrintable(at), entry == "owner's copy" ? 23456 : 12345, 12345), 0);
        if (entry == "link" && asRoot)
            QCOMPARE(::lchown(qPrintable(at), 12345, 12345), 0);

        ReadOutcome read = readBuildList(file);
        QVERIFY(read.file);
        QCOMPARE(read.leftoverBackup, ours ? at : QString());
        const SaveOutcome saved = saveOver(*read.file, kNew);
        if (ours) {
            QCOMPARE(saved.status, SaveStatus::Failed);
            QVERIFY(saved.refused);
            QVERIFY(saved.why.contains(at));
            QCOMPARE(readAll(file), kOld);
            return;
        }
        QVERIFY2(saved.saved(), qPrintable(saved.why));
        QCOMPARE(readAll(file), kNew);
        QCOMPARE(readAll(path("root-only")), QByteArray("root's own\n"));
        QVERIFY(QFileInfo(at).isSymLink() || QFileInfo::exists(at)); // left alone
        QCOMPARE(entries(userFolder()), QStringList()); // the copy kept there is gone
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
